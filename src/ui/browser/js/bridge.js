// Connects Kestrine's isolated world to the program. The page's own scripts run in another
// world and can see neither the channel nor anything defined here.
"use strict";

var kestrine = {
    // The objects the program registered on the channel, once the channel is up.
    objects: null,
};

new QWebChannel(qt.webChannelTransport, function (channel) {
    kestrine.objects = channel.objects;
});
