// Login page of the demo portal. Runs on the page's main thread; owns
// nothing beyond the DOM of login.html. The launcher only watches the
// navigation address and the title, so both are kept predictable.
(function () {
  "use strict";

  var TITLE = "Varnholt - Login";
  var RECOVER_URL = "https://varnholt.example/recover";
  // Long enough for the title change to reach the host before navigation.
  var ENTER_DELAY_MS = 120;

  var form = document.getElementById("panel");
  var account = document.getElementById("account");
  var password = document.getElementById("password");
  var server = document.getElementById("server");
  var enter = document.getElementById("enter");
  var forgot = document.getElementById("forgot");
  var recent = document.getElementById("recent");
  var entering = false;

  function realmName() {
    return server.options[server.selectedIndex].text;
  }

  function markRecent() {
    var items = recent.querySelectorAll("li");
    for (var i = 0; i < items.length; i++) {
      items[i].classList.toggle("current", items[i].getAttribute("data-server") === server.value);
    }
  }

  function onServerChanged() {
    markRecent();
    document.title = TITLE + " (" + realmName() + ")";
  }

  function gameUrl() {
    return "game.html?client=2&server=" + encodeURIComponent(server.value) +
      "&account=" + encodeURIComponent(account.value.trim());
  }

  function enterGame() {
    if (entering) {
      return;
    }
    entering = true;
    enter.disabled = true;
    var url = gameUrl();
    document.title = "Varnholt - Entering...";
    setTimeout(function () { location.href = url; }, ENTER_DELAY_MS);
  }

  function onSubmit(event) {
    event.preventDefault();
    enterGame();
  }

  // Return in the account field moves on instead of submitting, the way a
  // launcher form is usually filled in; Return in the password field enters.
  function onAccountKey(event) {
    if (event.key !== "Enter") {
      return;
    }
    event.preventDefault();
    password.focus();
  }

  function onForgot(event) {
    event.preventDefault();
    window.open(RECOVER_URL, "varnholt-recover", "width=480,height=560");
  }

  function onRecentClick(event) {
    var item = event.target.closest("li[data-server]");
    if (!item) {
      return;
    }
    server.value = item.getAttribute("data-server");
    onServerChanged();
  }

  form.addEventListener("submit", onSubmit);
  account.addEventListener("keydown", onAccountKey);
  server.addEventListener("change", onServerChanged);
  forgot.addEventListener("click", onForgot);
  recent.addEventListener("click", onRecentClick);
  // Back/forward cache may restore the page mid-enter; make it usable again.
  window.addEventListener("pageshow", function (event) {
    if (!event.persisted) {
      return;
    }
    entering = false;
    enter.disabled = false;
    document.title = TITLE;
  });
  markRecent();
}());
