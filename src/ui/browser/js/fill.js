// Fills the page by a directory's rules, reports what was filled, fills fields that the page
// adds a little later, and watches the filled form for its submission.
//
// The profile belongs to the directory's form, not to the page: its values go to one document
// only, the one holding the form the rules match best. The top document gets them when it holds
// the directory's form (it takes the feed's address or most of the rules' fields, and more
// than an e-mail address or a name); otherwise every frame says, without values, what it holds
// of the rules' fields, and the best match gets them. A frame of another site than the page
// gets them only when it holds the directory's form and the top document holds none: a
// newsletter, chat or comment box beside the page's own form never gets the profile.
"use strict";

(function () {
    // How long after a fill fields that the page's scripts add are still filled.
    var LATE_FIELDS_MS = 10000;

    // Fields the user typed into; no fill ever overwrites what the user wrote.
    var typed = new WeakSet();
    document.addEventListener("input", function (event) {
        if (event.isTrusted)
            typed.add(event.target);
    }, true);

    function takesValue(element) {
        return element instanceof HTMLInputElement || element instanceof HTMLTextAreaElement ||
               element instanceof HTMLSelectElement;
    }

    // What this document holds of the rules' fields.
    function matchHere(fields) {
        var found = fields.filter(function (field) {
            return takesValue(kestrine.fields.find(field.name, field.index));
        });
        return {
            found: found.length,
            feed: found.some(function (field) { return field.role === "feed"; }),
            contactOnly: found.every(function (field) { return field.role === "contact"; }),
        };
    }

    function isDirectoryForm(match, total) {
        return match.found > 0 && !match.contactOnly && (match.feed || match.found * 2 > total);
    }

    // One fill of the page and what it achieved, kept while late fields may still come. Each
    // field keeps its position in the program's list. `place` is where the values went: "here",
    // "frame" (the top document's `target`), or null while that is not decided.
    var current = null;
    var fillCount = 0;

    // Sets the fields of the current fill whose element is there: every field at first, later
    // only those still missing. The fill's form is that of the last field set, in list order.
    function fillPass(fill, late) {
        var newlySet = [];
        fill.fields.forEach(function (field, i) {
            if (late && fill.set[i])
                return;
            var element = kestrine.fields.find(field.name, field.index);
            if (!element)
                return;
            // What the user typed stays, and counts as filled.
            var kept = typed.has(element);
            var set = kept ? element : kestrine.values.set(element, field);
            if (!set)
                return;
            fill.set[i] = true;
            fill.forms[i] = set.form;
            kestrine.submission.markFilled(set);
            if (!kept)
                newlySet.push(set);
        });
        var form = null;
        fill.forms.forEach(function (f, i) {
            if (fill.set[i])
                form = f;
        });
        if (form)
            kestrine.submission.watch(form);
        fill.form = form;
        fill.armed = form !== null;
        kestrine.values.outline(newlySet);
        return newlySet.length;
    }

    function fillHere(fill) {
        fill.place = "here";
        if (kestrine.frames.isTop)
            kestrine.submission.filledAt([], location.origin);
        return fillPass(fill, false);
    }

    function positionsSet(fill) {
        return fill.fields.filter(function (field, i) { return fill.set[i]; })
            .map(function (field) { return field.position; });
    }

    // The captions of the fields left for the user in the form this document filled.
    function leftHere(fill) {
        return kestrine.leftForUser(positionsSet(fill).length > 0, fill.form);
    }

    function report(fill) {
        var inFrame = fill.place === "frame";
        var positions = inFrame ? fill.frameSet : new Set(positionsSet(fill));
        var missing = fill.fields.filter(function (field) { return !positions.has(field.position); })
            .map(function (field) { return field.name; });
        var fieldsSet = fill.fields.length - missing.length;
        return JSON.stringify({
            fieldsTotal: fill.fields.length,
            fieldsSet: fieldsSet,
            missing: missing,
            armed: inFrame ? fill.frameArmed : fill.armed,
            left: inFrame ? fill.frameLeft : leftHere(fill),
            components: fieldsSet === 0 && kestrine.fields.hasCustomElements(),
            frame: inFrame ? fill.target.address : "",
            origin: inFrame ? fill.target.origin : fill.place === "here" ? location.origin : "",
        });
    }

    // Tells what the fill achieved since its first report: the top document tells the program,
    // the frame that got the values the top document.
    function tellProgress(fill) {
        if (current !== fill)
            return;
        if (!kestrine.frames.isTop) {
            kestrine.frames.tell("fillSet", { fill: fill.id, positions: positionsSet(fill),
                                              armed: fill.armed, left: leftHere(fill) });
            return;
        }
        var events = kestrine.objects && kestrine.objects.pageEvents;
        if (events)
            events.fillUpdated(report(fill));
    }

    function noteFrameFill(fill, answer) {
        if (!answer || !Array.isArray(answer.positions))
            return false;
        var known = new Set(fill.fields.map(function (field) { return field.position; }));
        answer.positions.forEach(function (position) {
            if (known.has(position))
                fill.frameSet.add(position);
        });
        fill.frameArmed = fill.frameArmed || answer.armed === true;
        if (Array.isArray(answer.left)) {
            fill.frameLeft = answer.left.filter(function (caption) {
                return typeof caption === "string";
            });
        }
        return true;
    }

    function samePath(a, b) {
        return a.length === b.length && a.every(function (id, i) { return id === b[i]; });
    }

    kestrine.frames.listen("fillSet", function (notice, from) {
        var fill = current;
        if (fill && fill.place === "frame" && notice && notice.fill === fill.id &&
            samePath(from, fill.target.path) && noteFrameFill(fill, notice))
            tellProgress(fill);
    });

    // What a survey asks of a document: the rules' fields without their values.
    function surveyFields(fields) {
        return fields.map(function (field) {
            return { name: field.name, index: field.index, role: field.role };
        });
    }

    function isSurveyField(field) {
        return field && typeof field.name === "string" && Number.isInteger(field.index);
    }

    // done({candidates}): this document and every frame below it that answered (below `only`
    // alone when given), in walk order, each with what it holds of the fields and the path
    // that names it.
    function survey(fields, waitMs, only, done) {
        var candidates = [Object.assign({ path: [], origin: location.origin,
                                          address: location.href }, matchHere(fields))];
        kestrine.frames.ask("survey", { fields: fields }, function (answer, frame, from) {
            if (!answer || !Array.isArray(answer.candidates))
                return;
            answer.candidates.forEach(function (c) {
                if (c && Array.isArray(c.path) && Number.isInteger(c.found)) {
                    candidates.push({ path: [from].concat(c.path), origin: String(c.origin),
                                      address: String(c.address), found: c.found,
                                      feed: c.feed === true, contactOnly: c.contactOnly === true });
                }
            });
        }, function () { done({ candidates: candidates }); }, waitMs, only ? [only] : null);
    }

    // A frame asked while its document is still being read answers once it is ready.
    kestrine.frames.handle("survey", function (request, reply, waitMs) {
        if (!request || !Array.isArray(request.fields))
            return;
        var answer = function () {
            survey(request.fields.filter(isSurveyField), waitMs, null, reply);
        };
        if (document.readyState === "loading")
            document.addEventListener("DOMContentLoaded", answer);
        else
            answer();
    });

    // The document that gets the values, of those the survey found; null for none.
    function choose(candidates, total) {
        var topHolds = isDirectoryForm(candidates[0], total);
        var best = null;
        candidates.forEach(function (candidate) {
            var otherSite = candidate.origin !== location.origin;
            if (candidate.found === 0 ||
                otherSite && (topHolds || !isDirectoryForm(candidate, total)))
                return;
            if (!best || candidate.found > best.found)
                best = candidate;
        });
        return best;
    }

    function decide(fill, candidates) {
        if (current !== fill || fill.place)
            return;
        var best = choose(candidates, fill.fields.length);
        if (!best)
            return;
        if (best.path.length === 0) {
            fillHere(fill);
            tellProgress(fill);
            return;
        }
        fill.place = "frame";
        fill.target = best;
        kestrine.submission.filledAt(best.path, best.origin);
        kestrine.frames.askDocument(best.path, "fill", { fill: fill.id, fields: fill.fields },
                                    function (answer) {
                                        if (noteFrameFill(fill, answer))
                                            tellProgress(fill);
                                    });
    }

    // The whole page is surveyed once at a time; a frame whose document becomes ready is
    // surveyed by itself at once, since a survey under way asked the document it had before.
    function surveyFrames(fill, frame) {
        if (!frame && fill.surveying)
            return;
        fill.surveying = fill.surveying || !frame;
        survey(surveyFields(fill.fields), 0, frame, function (result) {
            if (!frame)
                fill.surveying = false;
            decide(fill, result.candidates);
        });
    }

    kestrine.frames.onFrameReady(function (frame) {
        if (current && current.watching && !current.place)
            surveyFrames(current, frame);
    });

    // Pages that build their form with scripts add fields after the document is ready; those
    // of the directory's rules are filled as they appear, and the program hears the new report.
    function onLateFields(fill) {
        if (current !== fill || fill.place === "frame")
            return;
        if (!fill.place) {
            var match = matchHere(fill.fields);
            if (!isDirectoryForm(match, fill.fields.length)) {
                if (match.found > 0)
                    surveyFrames(fill);
                return;
            }
            fill.place = "here";
        }
        if (fillPass(fill, true) > 0)
            tellProgress(fill);
    }

    function watchLateFields(fill) {
        var stop = kestrine.fields.observe(function () { onLateFields(fill); });
        fill.watching = true;
        fill.stopWatching = function () {
            fill.watching = false;
            stop();
        };
        setTimeout(fill.stopWatching, LATE_FIELDS_MS);
    }

    function startFill(fields, id) {
        if (current && current.stopWatching)
            current.stopWatching();
        current = {
            id: id, fields: fields, place: null, target: null, surveying: false,
            set: fields.map(function () { return false; }),
            forms: fields.map(function () { return null; }),
            form: null, armed: false,
            frameSet: new Set(), frameArmed: false, frameLeft: [],
            watching: false, stopWatching: null,
        };
        return current;
    }

    function isFieldRequest(field) {
        return isSurveyField(field) && typeof field.value === "string" &&
               Number.isInteger(field.position);
    }

    kestrine.frames.handle("fill", function (request, reply) {
        if (!request || !Array.isArray(request.fields))
            return;
        var fill = startFill(request.fields.filter(isFieldRequest), request.fill);
        fillHere(fill);
        watchLateFields(fill);
        reply({ positions: positionsSet(fill), armed: fill.armed, left: leftHere(fill) });
    });

    // fields: [{name, index, value, checkbox, role}], values composed; role "feed" for the
    // feed's address, "contact" for an e-mail address or a name. Returns JSON: how many of the
    // fields were set, the names of those that were not, whether a form is now watched, the
    // captions of the fields left for the user, the address of the frame filled ("" for the
    // page itself) and the site of the document filled. A frame's fill comes in later reports.
    kestrine.fill = function (fields) {
        var fill = startFill(fields.map(function (field, position) {
            return Object.assign({ position: position }, field);
        }), ++fillCount);
        if (isDirectoryForm(matchHere(fill.fields), fill.fields.length) ||
            kestrine.fields.frames().length === 0)
            fillHere(fill);
        else
            surveyFrames(fill);
        watchLateFields(fill);
        return report(fill);
    };
})();
