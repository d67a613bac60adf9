// Tells the program about the page's selects, so that it can choose a category list's option
// by meaning, and sets the option it chooses as a user's pick would.
"use strict";

(function () {
    // A long list is told by its first options only: enough to tell a category list.
    var kMostOptions = 1000;
    var kMostSelects = 50;

    // Selects the user picked from; their choice stays.
    var picked = new WeakSet();
    // The category lists the program chose or left: the name it knows each by, and the option
    // the fill left it at.
    var watched = new WeakMap();

    function groupOf(option) {
        var parent = option.parentElement;
        return parent instanceof HTMLOptGroupElement ? parent.label : "";
    }

    // The user's pick on a watched list goes to the program at once: a submission may take the
    // document away before anyone could ask it.
    function tellPick(select) {
        var fill = watched.get(select);
        var picks = kestrine.objects && kestrine.objects.categoryPicks;
        var option = select.options[select.selectedIndex];
        if (!fill || !picks || !option)
            return;
        picks.picked(fill.list, option.value, kestrine.clean(option.text), groupOf(option),
                     select.selectedIndex !== fill.index);
    }

    window.addEventListener("change", function (event) {
        if (!event.isTrusted || !(event.target instanceof HTMLSelectElement))
            return;
        picked.add(event.target);
        tellPick(event.target);
    }, true);

    var lists = [];

    function optionsOf(select) {
        return Array.prototype.slice.call(select.options, 0, kMostOptions).map(function (option) {
            return { text: kestrine.clean(option.text), value: option.value,
                     group: groupOf(option), disabled: option.disabled };
        });
    }

    // Whether the directory's rules gave the select a value that none of its options has.
    function missedByRules(select, rules) {
        return rules.some(function (rule) {
            return kestrine.fields.find(rule.name, rule.index) === select &&
                   !Array.prototype.some.call(select.options, function (option) {
                       return option.value === rule.value || option.text === rule.value;
                   });
        });
    }

    // Whether an element stands where the rules' fields do: in one of their forms, or outside
    // any form when one of them does. A search form beside the directory's stays out of reach.
    function scopeOfRules(rules) {
        var forms = new Set();
        var loose = false;
        rules.forEach(function (rule) {
            var element = kestrine.fields.find(rule.name, rule.index);
            if (element && element.form)
                forms.add(element.form);
            else if (element)
                loose = true;
        });
        return function (element) {
            return element.form ? forms.has(element.form) : loose;
        };
    }

    // rules: [{name, index, value}], the directory's fields. Answers JSON: the shown
    // single-choice selects beside the rules' fields that the user has not picked from, with
    // what names them.
    kestrine.categoryLists = function (rules) {
        var inScope = scopeOfRules(rules);
        lists = [];
        kestrine.fields.walk(function (element) {
            if (element instanceof HTMLSelectElement && !element.multiple && !element.disabled &&
                !picked.has(element) && inScope(element) && kestrine.isShown(element) &&
                lists.length < kMostSelects)
                lists.push(element);
            return false;
        });
        return JSON.stringify(lists.map(function (select, key) {
            return {
                key: key, name: select.name, id: select.id,
                captions: [kestrine.labelOf(select), kestrine.nearbyTextOf(select),
                           select.title || ""],
                options: optionsOf(select), selected: select.selectedIndex,
                missed: missedByRules(select, rules),
            };
        }));
    };

    // Fills as kestrine.fill does, and tells the lists as they stand after it: the report with
    // its "lists". rules: the fields' names, indexes and values, for missedByRules.
    kestrine.fillAndTellLists = function (fields, rules) {
        var report = JSON.parse(kestrine.fill(fields));
        try {
            report.lists = JSON.parse(kestrine.categoryLists(rules));
        } catch (error) {
            // The fill's report is told all the same; the lists stay as the page set them.
            report.lists = [];
        }
        return JSON.stringify(report);
    };

    // Chooses option `index` of the list told under `key` (-1: leaves it as the page set it),
    // with the events a user's pick sends, and from then on tells the user's picks on it under
    // the name `list`. Answers whether it did: not when the user has picked meanwhile.
    kestrine.chooseCategory = function (key, index, list) {
        var select = lists[key];
        if (!select || picked.has(select) || index < -1 || index >= select.options.length)
            return JSON.stringify(false);
        if (index >= 0 && select.selectedIndex !== index) {
            select.selectedIndex = index;
            select.dispatchEvent(new Event("input", { bubbles: true }));
            select.dispatchEvent(new Event("change", { bubbles: true }));
        }
        watched.set(select, { list: list, index: select.selectedIndex });
        return JSON.stringify(true);
    };
})();
