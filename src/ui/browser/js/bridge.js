// Connects Kestrine's isolated world to the program. The page's own scripts run in another
// world and can see neither the channel nor anything defined here.
"use strict";

var kestrine = {
    // The objects the program registered on the channel, once the channel is up.
    objects: null,
};

(function () {
    var documentReady = false;
    var announced = false;

    // The program fills a page as soon as its document is ready; the channel may come up just
    // before or just after that moment, so whichever comes second tells the program, once.
    function announceReady() {
        var events = kestrine.objects && kestrine.objects.pageEvents;
        if (announced || !documentReady || !events)
            return;
        announced = true;
        events.documentReady(location.href);
    }

    document.addEventListener("DOMContentLoaded", function () {
        documentReady = true;
        announceReady();
    });

    // The engine answers the channel in the top document only: a frame's scripts reach the
    // program through the top document's (frames.js).
    if (window.parent !== window)
        return;
    new QWebChannel(qt.webChannelTransport, function (channel) {
        kestrine.objects = channel.objects;
        announceReady();
    });
})();
