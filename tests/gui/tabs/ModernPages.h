#pragma once

// Directory pages built the way sites are built today. The frameworks are the real ones, from
// Debian's packages, served by the test's own server (Debian 12 ships Vue 2). SAID stands for
// the script that says the confirmation, OTHER for another site's address.
#include <map>
#include <string>

namespace modern_pages {

// Written in pieces in the pages' scripts, so that a page shows it only once it says it.
constexpr char kConfirmation[] = "Your feed is listed";
constexpr char kSaid[] = "'Your feed ' + 'is listed'";

const std::map<std::string, std::string> kLibraries = {
    {"/lib/react.js", "/usr/share/nodejs/react/umd/react.production.min.js"},
    {"/lib/react-dom.js", "/usr/share/nodejs/react-dom/umd/react-dom.production.min.js"},
    {"/lib/vue.js", "/usr/share/javascript/vue/vue.min.js"},
    {"/lib/jquery.js", "/usr/share/javascript/jquery/jquery.min.js"},
};

// React 18 renders after the document is ready; it hears of a box or a radio button only by
// its click.
constexpr char kReactPage[] = R"(<!DOCTYPE html><html><body><div id="app"></div>
<script src="/lib/react.js"></script><script src="/lib/react-dom.js"></script>
<script>
var h = React.createElement;
function App() {
  var [title, setTitle] = React.useState('');
  var [agree, setAgree] = React.useState(false);
  var [plan, setPlan] = React.useState('free');
  var [done, setDone] = React.useState(false);
  if (done) return h('p', null, SAID);
  function send(e) {
    e.preventDefault();
    fetch('/api/submit', {method: 'POST',
      body: JSON.stringify({title: title, agree: agree, plan: plan})})
      .then(function () { setDone(true); });
  }
  return h('form', {onSubmit: send},
    h('input', {name: 'title', value: title, onChange: function (e) { setTitle(e.target.value); }}),
    h('input', {type: 'checkbox', name: 'agree', checked: agree,
                onChange: function (e) { setAgree(e.target.checked); }}),
    ['free', 'paid'].map(function (p) {
      return h('input', {key: p, type: 'radio', name: 'plan', value: p, checked: plan === p,
                         onChange: function () { setPlan(p); }});
    }),
    h('button', {id: 'send', type: 'submit'}, 'Send'));
}
ReactDOM.createRoot(document.getElementById('app')).render(h(App));
</script></body></html>)";

constexpr char kVuePage[] = R"(<!DOCTYPE html><html><body><div id="app">
<p v-if="done">{{ said }}</p>
<form v-else @submit.prevent="send"><input name="title" v-model="title">
<input type="checkbox" name="agree" v-model="agree"><button id="send">Send</button></form></div>
<script src="/lib/vue.js"></script>
<script>
new Vue({el: '#app', data: {title: '', agree: false, done: false, said: SAID},
  methods: {send: function () {
    var vm = this, request = new XMLHttpRequest();
    request.open('POST', '/api/submit');
    request.onload = function () { vm.done = true; };
    request.send(JSON.stringify({title: this.title, agree: this.agree}));
  }}});
</script></body></html>)";

constexpr char kJQueryPage[] = R"(<!DOCTYPE html><html><body>
<form id="f"><input name="title"><button id="send">Send</button></form><p id="said"></p>
<script src="/lib/jquery.js"></script>
<script>
$('#f').on('submit', function (e) {
  e.preventDefault();
  $.post('/api/submit', $(this).serialize(), function () { $('#said').text(SAID); });
});
</script></body></html>)";

// The answer takes its time: the confirmation shows up after the usual wait.
constexpr char kFetchPage[] = R"(<!DOCTYPE html><html><body>
<form id="f"><input name="title"><button id="send">Send</button></form>
<script>
document.getElementById('f').addEventListener('submit', function (e) {
  e.preventDefault();
  fetch('/api/slow', {method: 'POST', body: new URLSearchParams(new FormData(this))})
    .then(function (r) { return r.text(); })
    .then(function () { document.body.insertAdjacentHTML('beforeend', '<p>' + SAID + '</p>'); });
});
</script></body></html>)";

// A form service's form in a frame of another site, after a frame the user does not see
// (a tracker) that has a field of the same name.
constexpr char kFramePage[] = R"(<!DOCTYPE html><html><body><p>Our form service:</p>
<iframe src="OTHER/framed?tracker" style="width:0;height:0;border:0"></iframe>
<iframe id="service" src="OTHER/framed" style="width:400px;height:200px;border:0"></iframe>
</body></html>)";

constexpr char kFramedForm[] = R"page(<!DOCTYPE html><html><body style="margin:0">
<form action="/result" method="post">
<button id="send" style="position:absolute;left:0;top:0;width:120px;height:40px">Send</button>
<input name="title" style="position:absolute;left:0;top:60px"
  oninput="fetch((location.search ? '/tracker-filled?' : '/framed-filled?') + this.value)">
</form></body></html>)page";

constexpr char kShadowPage[] = R"(<!DOCTYPE html><html><body><feed-form></feed-form>
<script>
customElements.define('feed-form', class extends HTMLElement {
  constructor() {
    super();
    this.attachShadow({mode: 'open'}).innerHTML = '<form action="/result" method="post">' +
      '<label>Title <input name="title"></label><button id="send">Send</button></form>';
  }
});
</script></body></html>)";

// Fields of one name in the light document and in an open shadow root between them, and a
// component that keeps its field in a closed one.
constexpr char kComponentsPage[] = R"(<!DOCTYPE html><html><body>
<input name="t"><open-part></open-part><input name="t"><closed-part></closed-part>
<script>
customElements.define('open-part', class extends HTMLElement {
  constructor() { super(); this.attachShadow({mode: 'open'}).innerHTML = '<input name="t">'; }
});
customElements.define('closed-part', class extends HTMLElement {
  constructor() { super(); this.attachShadow({mode: 'closed'}).innerHTML = '<input name="s">'; }
});
</script></body></html>)";

// The page's validation refuses the submission: the e-mail address is missing.
constexpr char kRefusingPage[] = R"(<!DOCTYPE html><html><body>
<form id="f" action="/result" method="post"><input name="title"><input name="email">
<button id="send">Send</button></form>
<script>
document.getElementById('f').onsubmit = function () { return this.email.value !== ''; };
</script></body></html>)";

constexpr char kRules[] = R"(<item name="title" index="0" value="#title#" type="edit"/>)";
constexpr char kBoxRule[] = R"(<item name="agree" index="0" value="on" type="checkbox"/>)";
constexpr char kRadioRule[] = R"(<item name="plan" index="0" value="paid" type="checkbox"/>)";

inline std::string Replaced(std::string text, const std::string& what, const std::string& with)
{
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at))
        text.replace(at, what.size(), with), at += with.size();
    return text;
}

} // namespace modern_pages
