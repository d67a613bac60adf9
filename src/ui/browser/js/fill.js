// Fills the page's form from a list of fields and watches the form for its submission.
"use strict";

(function () {
    // The element the old element collection's item(name, index) gave: of every element of the
    // document whose name or id is `name`, in document order, the index-th.
    function findElement(name, index) {
        if (!Number.isInteger(index) || index < 0)
            return null;
        var elements = document.getElementsByTagName("*");
        var seen = 0;
        for (var i = 0; i < elements.length; ++i) {
            var element = elements[i];
            if (element.getAttribute("name") !== name && element.getAttribute("id") !== name)
                continue;
            if (seen === index)
                return element;
            ++seen;
        }
        return null;
    }

    // Pages built on scripts keep their own copy of what was typed; they learn of a new value
    // only from the events typing would have sent.
    function announceChange(element) {
        element.dispatchEvent(new Event("input", { bubbles: true }));
        element.dispatchEvent(new Event("change", { bubbles: true }));
    }

    function chooseOption(select, value) {
        var options = Array.prototype.slice.call(select.options);
        var option = options.find(function (o) { return o.value === value; }) ||
                     options.find(function (o) { return o.text === value; });
        if (option && !option.selected) {
            option.selected = true;
            announceChange(select);
        }
    }

    // Sets one field; returns the element's form (null outside a form), or undefined when the
    // element is not one that takes a value.
    function setField(element, value) {
        if (element instanceof HTMLInputElement || element instanceof HTMLTextAreaElement) {
            try {
                element.value = value;
                announceChange(element);
            } catch (error) {
                // A file input refuses any value but "": skipped like any failed page operation.
            }
            return element.form;
        }
        if (element instanceof HTMLSelectElement) {
            chooseOption(element, value);
            return element.form;
        }
        return undefined;
    }

    var reported = new WeakSet();

    // Never cancels anything: the page's validation and scripts stay in charge of the
    // submission. They may refuse it (an onsubmit that returns false, preventDefault in a
    // listener that runs after this one), so the verdict waits for a later task, when every
    // handler of the event has run; a refused attempt is no submission.
    function onSubmit(event) {
        if (!event.isTrusted || reported.has(event))
            return;
        reported.add(event);
        setTimeout(function () {
            var sink = kestrine.objects && kestrine.objects.submitSink;
            if (!event.defaultPrevented && sink)
                sink.invoke();
        }, 0);
    }

    function watchSubmission(form) {
        // addEventListener ignores a listener already there, so filling again adds nothing.
        form.addEventListener("submit", onSubmit);
        window.addEventListener("submit", onSubmit);
    }

    // The meaning filler sets fields and watches forms the same way.
    kestrine.setField = setField;
    kestrine.watchSubmission = watchSubmission;

    // fields: [{name, index, value}], values composed. Returns JSON: how many fields were set
    // and whether a form is now watched.
    kestrine.fill = function (fields) {
        var form = null;
        var fieldsSet = 0;
        fields.forEach(function (field) {
            var element = findElement(field.name, field.index);
            if (!element)
                return;
            var elementForm = setField(element, field.value);
            if (elementForm === undefined)
                return;
            form = elementForm;
            ++fieldsSet;
        });
        if (form)
            watchSubmission(form);
        return JSON.stringify({ fieldsSet: fieldsSet, armed: form !== null });
    };
})();
