#pragma once

// Pages that try to pass a submission off, to learn Kestrine's messages or to take the profile,
// as advertisements, chats, newsletters and the page's own scripts do. ADS stands for another
// site's address; SAID for the script that says the confirmation. Every frame of another site
// reports a value it receives to /got; a page's attack ends with a request to /tried.
namespace trap_pages {

// Asked for by every page four seconds after it loaded or after its last submit event: what
// the page's scripts do in answer (a refusal's requests, an attack) has been done by then. An
// image, which no one takes for a form's sending.
constexpr char kSettles[] = R"(<script>(function () { var timer;
function later() { clearTimeout(timer);
  timer = setTimeout(function () { new Image().src = '/settled?' + Date.now(); }, 4000); }
later(); addEventListener('submit', later, true); })();</script>)";

// The directory's form, taking the title and the feed, but not the e-mail address.
constexpr char kDirectoryForm[] = R"(<form id="f" action="/result" method="post">
<input name="title"><input name="url"><button id="send">Send</button></form>)";

// What a frame of another site runs to tell the test what it got: a value in one of its fields,
// or a message that carries one of the profile's.
constexpr char kReporter[] = R"(<script>
function got(what) { fetch('/got?' + encodeURIComponent(String(what).slice(0, 200))); }
setInterval(function () {
  document.querySelectorAll('input').forEach(function (i) { if (i.value) got(i.value); });
}, 100);
addEventListener('message', function (e) {
  var text = JSON.stringify(e.data);
  if (/Ann's|ann@/.test(text)) got(text);
});
</script>)";

// An advertisement that wipes its document, Kestrine's listener with it, listens in on the
// bus, and sends up every forgery it can: a `ready` without a word, a submission and a "text
// found", with a secret when it learns one, and each message it hears, again.
constexpr char kForgerFrame[] = R"(<!DOCTYPE html><html><body>ad<script>
setTimeout(function () {
  document.open();
  document.write('<html><body>an advertisement</body></html>');
  document.close();
  var secret = null;
  function send(m) { m.marker = 'kestrine-frames'; parent.postMessage(m, '*'); }
  addEventListener('message', function (e) {
    var m = e.data || {};
    fetch('/heard', {method: 'POST', body: JSON.stringify(m)});
    if (/Ann's|ann@/.test(JSON.stringify(m)))
      fetch('/got?' + encodeURIComponent(JSON.stringify(m).slice(0, 200)));
    if (m.secret) secret = m.secret;
    if (m.id) send({secret: secret, answers: m.id, answer: true});
    if (m.body) parent.postMessage(m, '*');
  });
  var rounds = 0, timer = setInterval(function () {
    send({ready: true});
    send({secret: secret, notice: 'submit', data: {holds: true, cancelled: false}});
    if (++rounds === 8) { clearInterval(timer); fetch('/tried'); }
  }, 200);
}, 0);
</script></body></html>)";

// The directory's own page, which listens on an about:blank frame it made and forges through
// it what an advertisement would.
constexpr char kBlankListenerPage[] = R"page(<!DOCTYPE html><html><body>
DIRECTORY_FORM<iframe id="blank" style="width:200px;height:60px"></iframe>
<script>
var child = document.getElementById('blank').contentWindow, secret = null;
// Posted by a function of the child's, the messages come from the child.
var post = child.Function('m', "parent.postMessage(m, '*')");
function send(m) { m.marker = 'kestrine-frames'; post(m); }
child.addEventListener('message', function (e) {
  var m = e.data || {};
  if (m.secret) secret = m.secret;
  if (m.id) send({secret: secret, answers: m.id, answer: true});
  if (m.body) post(m);
});
var rounds = 0, timer = setInterval(function () {
  send({ready: true});
  send({secret: secret, notice: 'submit', data: {holds: true, cancelled: false}});
  if (++rounds === 8) { clearInterval(timer); fetch('/tried'); }
}, 200);
</script></body></html>)page";

constexpr char kNewsletterFrame[] = R"(<!DOCTYPE html><html><body style="margin:0">
<form><input type="email" name="email" placeholder="Your e-mail"><button>Join</button></form>
</body></html>)";

// The directory's form beside a newsletter of another site, in plain view or faint and tiny.
constexpr char kNewsletterPage[] = R"page(<!DOCTYPE html><html><body>DIRECTORY_FORM
<iframe src="ADS/newsletter" style="STYLE"
  onload="setTimeout(function () { trapReady = true; }, 500)"></iframe>
<script>var trapReady = false;</script></body></html>)page";

// No form of the directory's: only another site's newsletter box.
constexpr char kNewsletterOnlyPage[] = R"(<!DOCTYPE html><html><body><p>Welcome!</p>
<iframe src="ADS/newsletter" style="width:300px;height:80px"></iframe></body></html>)";

// The directory's form, which its validation refuses (the terms are not agreed to), on a page
// that ADDS. The page is ready for the click once it has done so twice.
constexpr char kRefusedPage[] = R"(<!DOCTYPE html><html><body>
<form id="f" action="/result" method="post"><input name="title"><input name="url">
<input type="checkbox" name="terms"><button id="send">Send</button></form>
<script>
var trapReady = false;
document.getElementById('f').onsubmit = function () { SUBMITTING; return this.terms.checked; };
</script>EXTRA</body></html>)";

constexpr char kPoll[] = R"(<script>
var polls = 0;
setInterval(function () {
  fetch('/api/poll', {method: 'POST', body: 'any news?'}).then(function () {
    if (++polls >= 2) trapReady = true;
  });
}, 150);
</script>)";

constexpr char kBeacon[] = "navigator.sendBeacon('/analytics', 'submit pressed')";

constexpr char kChatFrame[] = R"(<!DOCTYPE html><html><body>chat<script>
setInterval(function () { fetch('/chat/poll', {method: 'POST', body: 'new messages?'}); }, 150);
</script></body></html>)";

// A directory page that sends its form in the background and answers nothing a user can see;
// the confirmation text stands, since the page loaded, where the page puts it (OLD).
constexpr char kStayingPage[] = R"(<!DOCTYPE html><html><body>OLD
<form id="f"><input name="title"><input name="url"><button id="send">Send</button></form>
<script>
document.getElementById('f').addEventListener('submit', function (e) {
  e.preventDefault();
  fetch('/api/submit', {method: 'POST', body: new URLSearchParams(new FormData(this))});
});
</script></body></html>)";

// The page's fetch is answered after four seconds; eight advertisements in frames the page
// wrote itself, with no scripts of Kestrine's, never answer a question.
constexpr char kSlowWithFramesPage[] = R"(<!DOCTYPE html><html><body>
<form id="f"><input name="title"><input name="url"><button id="send">Send</button></form>
<script>
for (var i = 0; i < 8; ++i) {
  var frame = document.createElement('iframe');
  frame.style.cssText = 'width:120px;height:40px';
  document.body.appendChild(frame);
  var ad = frame.contentDocument;
  ad.open();
  ad.write('<p>ad ' + i + '</p><script>addEventListener("message", function () {});</scr' +
           'ipt>');
  ad.close();
}
document.getElementById('f').addEventListener('submit', function (e) {
  e.preventDefault();
  fetch('/api/slower', {method: 'POST', body: new URLSearchParams(new FormData(this))})
    .then(function () { document.body.insertAdjacentHTML('beforeend', '<p>' + SAID + '</p>'); });
});
</script></body></html>)";

// The directory's form stands in a frame of the page's site, to which the page's script
// attached a listener while the frame was still its first about:blank window; the page listens
// on an about:blank frame too, and an advertisement listens on its own wiped document. Each
// listener keeps what it hears, replays it and forges `ready` and submissions.
constexpr char kListenersPage[] = R"page(<!DOCTYPE html><html><body><p>Our form:</p>
<iframe id="b" style="width:400px;height:100px"></iframe>
<iframe id="c" style="width:200px;height:60px"></iframe>
<iframe src="ADS/forger" style="width:300px;height:80px"></iframe>
<script>
var heard = {carried: [], blank: []};
function listen(w, list) {
  w.addEventListener('message', function (e) { list.push(JSON.stringify(e.data)); });
}
var b = document.getElementById('b');
listen(b.contentWindow, heard.carried);
b.src = '/form';
var c = document.getElementById('c').contentWindow;
listen(c, heard.blank);
var post = c.Function('m', "parent.postMessage(m, '*')");
c.addEventListener('message', function (e) { if (e.data && e.data.body) post(e.data); });
var rounds = 0, timer = setInterval(function () {
  post({marker: 'kestrine-frames', ready: true});
  post({marker: 'kestrine-frames', notice: 'submit', data: {holds: true, cancelled: false}});
  heard.carried.concat(heard.blank).forEach(function (m) { post(JSON.parse(m)); });
  if (++rounds === 8) { clearInterval(timer); window.attacked = true; }
}, 200);
</script></body></html>)page";

constexpr char kFramedDirectoryForm[] = R"(<!DOCTYPE html><html><body>
<form action="/result" method="post"><input name="title"><input name="url"></form>
</body></html>)";

constexpr char kTrapRules[] = R"(<item name="title" index="0" value="#title#" type="edit"/>
<item name="url" index="0" value="#url#" type="edit"/>
<item name="email" index="0" value="#email#" type="edit"/>)";

} // namespace trap_pages
