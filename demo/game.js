// "Varnholt skies", the demo portal's game. Runs on the page's main thread;
// the single `game` object owns all state, the canvas is redrawn from it.
// The world is 900 units tall and as wide as the window's aspect allows; the
// simulation advances in fixed 1/60 s steps from a seeded generator, so a
// given window size always shows the same opening scene.
(function () {
  "use strict";

  var WORLD_H = 900;
  var STEP = 1 / 60;
  var MAX_FRAME = 0.25;
  var PLAYER_R = 18;
  var START_LIVES = 3;
  var INVULNERABLE_TICKS = 120;
  var FONT = "Georgia, \"DejaVu Serif\", \"Liberation Serif\", serif";
  var REALMS = { ironmarch: "Ironmarch", emberfall: "Emberfall", frostholm: "Frostholm", duskwater: "Duskwater" };

  var canvas = document.getElementById("sky");
  var ctx = canvas.getContext("2d");
  var recharge = document.getElementById("recharge");
  var query = new URLSearchParams(location.search);
  var account = (query.get("account") || "").trim().slice(0, 32) || "Guest";
  var serverId = (query.get("server") || "").trim().slice(0, 32);
  var realm = REALMS[serverId] || serverId || "Unknown realm";

  var view = { cssW: 1, cssH: 1, dpr: 1, scale: 1, w: 1 };
  var input = { keys: {}, mouse: null };
  var loop = { last: null, acc: 0, dirty: true };
  var best = 0;
  var game = null;

  // ---- seeded randomness -------------------------------------------------

  function mulberry32(seed) {
    var a = seed >>> 0;
    return function () {
      a = (a + 0x6D2B79F5) >>> 0;
      var t = a;
      t = Math.imul(t ^ (t >>> 15), t | 1);
      t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
      return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
  }

  // Each realm gets its own sky, but always the same one.
  function seedFor(text) {
    var h = 2166136261;
    for (var i = 0; i < text.length; i++) {
      h = Math.imul(h ^ text.charCodeAt(i), 16777619);
    }
    return h >>> 0;
  }

  function between(rng, lo, hi) {
    return lo + rng() * (hi - lo);
  }

  function clamp(v, lo, hi) {
    return Math.max(lo, Math.min(hi, v));
  }

  // ---- world construction -----------------------------------------------

  function makeStars(rng) {
    var stars = [];
    for (var i = 0; i < 140; i++) {
      stars.push({ x: rng(), y: between(rng, 0, WORLD_H * 0.8), r: between(rng, 0.6, 2.2),
        layer: 1 + Math.floor(rng() * 3), twinkle: rng() * Math.PI * 2 });
    }
    return stars;
  }

  function makeRidge(rng) {
    var heights = [];
    for (var i = 0; i < 48; i++) {
      heights.push(between(rng, 40, 150));
    }
    return heights;
  }

  function makeRune(rng, x) {
    var base = between(rng, 90, WORLD_H - 90);
    var phase = rng() * Math.PI * 2;
    return { x: x, y: base + Math.sin(phase) * 8, base: base, vx: -between(rng, 130, 210),
      phase: phase, glyph: Math.floor(rng() * 4), r: 16 };
  }

  function makeRock(rng, x, difficulty) {
    var r = between(rng, 22, 46);
    var shape = [];
    for (var i = 0; i < 9; i++) {
      shape.push(between(rng, 0.72, 1.08));
    }
    return { x: x, y: between(rng, 60, WORLD_H - 60), r: r, shape: shape,
      vx: -between(rng, 170, 300) - difficulty, vy: between(rng, -40, 40),
      angle: rng() * Math.PI * 2, spin: between(rng, -1.4, 1.4) };
  }

  function newGame() {
    var rng = mulberry32(seedFor(serverId || "varnholt"));
    var scenery = mulberry32(seedFor("scenery:" + serverId));
    var g = { phase: "ready", tick: 0, score: 0, lives: START_LIVES, invulnerable: 0,
      rng: rng, stars: makeStars(scenery), ridge: makeRidge(scenery),
      player: { x: 0, y: WORLD_H / 2, tilt: 0 }, runes: [], rocks: [], sparks: [],
      runeIn: 60, rockIn: 45 };
    g.player.x = Math.max(120, view.w * 0.18);
    for (var i = 0; i < 3; i++) {
      g.runes.push(makeRune(rng, between(rng, view.w * 0.4, view.w * 0.95)));
      g.rocks.push(makeRock(rng, between(rng, view.w * 0.45, view.w * 0.98), 0));
    }
    return g;
  }

  // ---- simulation ---------------------------------------------------------

  function difficulty() {
    return Math.min(220, game.score * 0.4 + game.tick / 60 * 2);
  }

  var KEY_DIRECTIONS = {
    ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1],
    a: [-1, 0], d: [1, 0], w: [0, -1], s: [0, 1]
  };

  function keyDirection() {
    var dx = 0;
    var dy = 0;
    Object.keys(input.keys).forEach(function (key) {
      var dir = KEY_DIRECTIONS[key];
      if (dir && input.keys[key]) {
        dx += dir[0];
        dy += dir[1];
      }
    });
    return [dx, dy];
  }

  function steerPlayer() {
    var p = game.player;
    var dir = keyDirection();
    var vx = dir[0] * 520;
    var vy = dir[1] * 520;
    if (vx === 0 && vy === 0 && input.mouse) {
      vx = clamp((input.mouse.x - p.x) * 8, -700, 700);
      vy = clamp((input.mouse.y - p.y) * 8, -700, 700);
    }
    p.x = clamp(p.x + vx * STEP, PLAYER_R + 10, view.w - PLAYER_R - 10);
    p.y = clamp(p.y + vy * STEP, PLAYER_R + 10, WORLD_H - PLAYER_R - 10);
    p.tilt += (clamp(vy / 900, -0.4, 0.4) - p.tilt) * 0.2;
  }

  function spawn() {
    game.runeIn -= 1;
    game.rockIn -= 1;
    if (game.runeIn <= 0) {
      game.runes.push(makeRune(game.rng, view.w + 40));
      game.runeIn = Math.floor(between(game.rng, 45, 110));
    }
    if (game.rockIn <= 0) {
      game.rocks.push(makeRock(game.rng, view.w + 60, difficulty()));
      game.rockIn = Math.floor(between(game.rng, 30, 75) * (1 - difficulty() / 400));
    }
  }

  function moveThings() {
    game.runes.forEach(function (r) {
      r.x += r.vx * STEP;
      r.y = r.base + Math.sin(r.phase + game.tick * 0.06) * 8;
    });
    game.rocks.forEach(function (k) {
      k.x += k.vx * STEP;
      k.y += k.vy * STEP;
      k.angle += k.spin * STEP;
    });
    game.sparks.forEach(function (s) {
      s.x += s.vx * STEP;
      s.y += s.vy * STEP;
      s.life -= STEP;
    });
    game.runes = game.runes.filter(function (r) { return r.x > -60 && !r.taken; });
    game.rocks = game.rocks.filter(function (k) { return k.x > -100 && !k.hit; });
    game.sparks = game.sparks.filter(function (s) { return s.life > 0; });
  }

  function touches(thing) {
    var dx = thing.x - game.player.x;
    var dy = thing.y - game.player.y;
    var reach = thing.r * 0.85 + PLAYER_R;
    return dx * dx + dy * dy < reach * reach;
  }

  function burst(x, y, color, count) {
    for (var i = 0; i < count; i++) {
      var a = game.rng() * Math.PI * 2;
      var v = between(game.rng, 60, 260);
      game.sparks.push({ x: x, y: y, vx: Math.cos(a) * v, vy: Math.sin(a) * v,
        life: between(game.rng, 0.3, 0.8), color: color });
    }
  }

  function collectRunes() {
    game.runes.forEach(function (r) {
      if (!touches(r)) {
        return;
      }
      r.taken = true;
      game.score += 10;
      burst(r.x, r.y, "#f7e3a0", 14);
    });
  }

  function hitRocks() {
    game.rocks.forEach(function (k) {
      if (game.invulnerable > 0 || !touches(k)) {
        return;
      }
      k.hit = true;
      game.lives -= 1;
      game.invulnerable = INVULNERABLE_TICKS;
      burst(k.x, k.y, "#9aa3b8", 22);
    });
    if (game.lives <= 0) {
      best = Math.max(best, game.score);
      setPhase("over");
    }
  }

  function update() {
    game.tick += 1;
    game.invulnerable = Math.max(0, game.invulnerable - 1);
    steerPlayer();
    spawn();
    moveThings();
    collectRunes();
    hitRocks();
  }

  // ---- drawing --------------------------------------------------------

  function drawSky() {
    var sky = ctx.createLinearGradient(0, 0, 0, WORLD_H);
    sky.addColorStop(0, "#060c1c");
    sky.addColorStop(0.6, "#13264a");
    sky.addColorStop(1, "#3a3050");
    ctx.fillStyle = sky;
    ctx.fillRect(0, 0, view.w, WORLD_H);
    game.stars.forEach(function (s) {
      var drift = game.tick * STEP * s.layer * 12 / view.w;
      var x = (((s.x - drift) % 1) + 1) % 1 * view.w;
      ctx.globalAlpha = 0.55 + 0.45 * Math.sin(s.twinkle + game.tick * 0.05);
      ctx.fillStyle = s.layer === 3 ? "#f3e6c0" : "#b8c8ec";
      ctx.fillRect(x, s.y, s.r, s.r);
    });
    ctx.globalAlpha = 1;
  }

  function drawRidge() {
    var n = game.ridge.length;
    var span = Math.max(view.w, 1200) / (n - 8);
    var offset = (game.tick * STEP * 30) % (span * n);
    ctx.fillStyle = "#0b1428";
    ctx.beginPath();
    ctx.moveTo(0, WORLD_H);
    // Two periods, so the scrolled-off left part never leaves a gap on the right.
    for (var i = 0; i <= 2 * n; i++) {
      var x = i * span - offset;
      ctx.lineTo(x, WORLD_H - game.ridge[i % n]);
    }
    ctx.lineTo(view.w, WORLD_H);
    ctx.closePath();
    ctx.fill();
  }

  var GLYPHS = [
    [[0, -9, 0, 9], [0, -9, 7, -3], [0, -2, 7, -8]],
    [[-6, -9, -6, 9], [6, -9, 6, 9], [-6, -6, 6, 6]],
    [[0, -9, 0, 9], [-7, -3, 0, 3], [7, -3, 0, 3]],
    [[-6, -9, 6, 9], [6, -9, -6, 9], [0, -9, 0, 9]]
  ];

  function drawRune(r) {
    var y = r.y;
    var glow = ctx.createRadialGradient(r.x, y, 2, r.x, y, r.r * 2.2);
    glow.addColorStop(0, "rgba(247, 227, 160, 0.9)");
    glow.addColorStop(0.4, "rgba(217, 180, 90, 0.35)");
    glow.addColorStop(1, "rgba(217, 180, 90, 0)");
    ctx.fillStyle = glow;
    ctx.fillRect(r.x - r.r * 2.2, y - r.r * 2.2, r.r * 4.4, r.r * 4.4);
    ctx.fillStyle = "#e6c25a";
    ctx.beginPath();
    ctx.arc(r.x, y, r.r * 0.85, 0, Math.PI * 2);
    ctx.fill();
    ctx.strokeStyle = "#3a2606";
    ctx.lineWidth = 2.5;
    ctx.lineCap = "round";
    ctx.beginPath();
    GLYPHS[r.glyph].forEach(function (l) {
      ctx.moveTo(r.x + l[0], y + l[1]);
      ctx.lineTo(r.x + l[2], y + l[3]);
    });
    ctx.stroke();
  }

  function drawRock(k) {
    var n = k.shape.length;
    ctx.save();
    ctx.translate(k.x, k.y);
    ctx.rotate(k.angle);
    ctx.beginPath();
    for (var i = 0; i < n; i++) {
      var a = i / n * Math.PI * 2;
      ctx.lineTo(Math.cos(a) * k.r * k.shape[i], Math.sin(a) * k.r * k.shape[i]);
    }
    ctx.closePath();
    ctx.fillStyle = "#4b5266";
    ctx.fill();
    ctx.lineWidth = 3;
    ctx.strokeStyle = "#262b3a";
    ctx.stroke();
    ctx.fillStyle = "rgba(255, 255, 255, 0.08)";
    ctx.fillRect(-k.r * 0.4, -k.r * 0.5, k.r * 0.5, k.r * 0.3);
    ctx.restore();
  }

  function drawShip(x, y, tilt, size) {
    ctx.save();
    ctx.translate(x, y);
    ctx.rotate(tilt);
    ctx.scale(size, size);
    ctx.fillStyle = game.tick % 6 < 3 ? "#f0a040" : "#ffd070";
    ctx.beginPath();
    ctx.moveTo(-16, -5);
    ctx.lineTo(-26 - (game.tick % 4) * 2, 0);
    ctx.lineTo(-16, 5);
    ctx.fill();
    ctx.fillStyle = "#1e3a6e";
    ctx.strokeStyle = "#e6c25a";
    ctx.lineWidth = 2;
    ctx.beginPath();
    ctx.moveTo(22, 0);
    ctx.lineTo(-14, -15);
    ctx.lineTo(-8, 0);
    ctx.lineTo(-14, 15);
    ctx.closePath();
    ctx.fill();
    ctx.stroke();
    ctx.restore();
  }

  function drawPlayer() {
    var p = game.player;
    if (game.invulnerable > 0 && Math.floor(game.invulnerable / 6) % 2 === 0) {
      return;
    }
    drawShip(p.x, p.y, p.tilt, 1);
  }

  function drawSparks() {
    game.sparks.forEach(function (s) {
      ctx.globalAlpha = clamp(s.life * 1.6, 0, 1);
      ctx.fillStyle = s.color;
      ctx.fillRect(s.x - 2, s.y - 2, 4, 4);
    });
    ctx.globalAlpha = 1;
  }

  function text(str, x, y, size, color, align) {
    ctx.font = size + "px " + FONT;
    ctx.textAlign = align || "left";
    ctx.fillStyle = color;
    ctx.fillText(str, x, y);
  }

  function drawHud() {
    text("Score " + game.score, 24, 44, 26, "#f3d98a");
    text("Best " + best, 24, 74, 18, "#9fb1d6");
    for (var i = 0; i < game.lives; i++) {
      drawShip(36 + i * 34, 100, 0, 0.6);
    }
    text(account + " @ " + realm, view.w / 2, 40, 18, "#b9c4dc", "center");
    text("Space pause  \u00b7  R restart", 24, WORLD_H - 24, 15, "#6f80a6");
  }

  var OVERLAYS = {
    ready: ["Varnholt skies", "Click or press an arrow key to take flight",
      "Steer with the mouse or the arrows \u00b7 gather runes \u00b7 dodge the rocks"],
    paused: ["Paused", "Press Space to fly on", ""],
    over: ["The skies claim you", "Press R to try again", ""]
  };

  function drawOverlay() {
    var lines = OVERLAYS[game.phase];
    if (!lines) {
      return;
    }
    var cx = view.w / 2;
    var half = Math.min(330, view.w / 2 - 20);
    ctx.fillStyle = "rgba(6, 12, 28, 0.72)";
    ctx.fillRect(cx - half, WORLD_H / 2 - 110, half * 2, 200);
    ctx.strokeStyle = "rgba(217, 180, 90, 0.7)";
    ctx.lineWidth = 2;
    ctx.strokeRect(cx - half, WORLD_H / 2 - 110, half * 2, 200);
    text(lines[0], cx, WORLD_H / 2 - 40, 44, "#f3d98a", "center");
    text(game.phase === "over" ? "Score " + game.score + "  \u00b7  " + lines[1] : lines[1],
      cx, WORLD_H / 2 + 10, 22, "#e9dfc2", "center");
    text(lines[2], cx, WORLD_H / 2 + 50, 16, "#9fb1d6", "center");
  }

  function draw() {
    ctx.setTransform(view.dpr * view.scale, 0, 0, view.dpr * view.scale, 0, 0);
    drawSky();
    drawRidge();
    game.runes.forEach(drawRune);
    game.rocks.forEach(drawRock);
    drawPlayer();
    drawSparks();
    drawHud();
    drawOverlay();
  }

  // ---- window, input and the frame loop ---------------------------------

  function resize() {
    view.cssW = Math.max(1, window.innerWidth);
    view.cssH = Math.max(1, window.innerHeight);
    view.dpr = window.devicePixelRatio || 1;
    view.scale = view.cssH / WORLD_H;
    view.w = view.cssW / view.scale;
    canvas.width = Math.round(view.cssW * view.dpr);
    canvas.height = Math.round(view.cssH * view.dpr);
    if (game) {
      game.player.x = clamp(game.player.x, PLAYER_R + 10, view.w - PLAYER_R - 10);
    }
    loop.dirty = true;
  }

  function setPhase(phase) {
    game.phase = phase;
    loop.last = null;
    loop.acc = 0;
    loop.dirty = true;
  }

  function restart() {
    game = newGame();
    setPhase("ready");
  }

  function togglePause() {
    var next = { ready: "running", running: "paused", paused: "running" }[game.phase];
    if (next) {
      setPhase(next);
    }
  }

  function start() {
    if (game.phase === "ready") {
      setPhase("running");
    }
  }

  var KEY_ACTIONS = { " ": togglePause, r: restart, Enter: start };

  // Letters arrive upper-case with Shift or Caps Lock held.
  function keyName(event) {
    return event.key.length === 1 ? event.key.toLowerCase() : event.key;
  }

  function onKeyDown(event) {
    var key = keyName(event);
    var action = KEY_ACTIONS[key];
    if (action) {
      event.preventDefault();
      if (!event.repeat) {
        action();
      }
      return;
    }
    if (!KEY_DIRECTIONS[key]) {
      return;
    }
    event.preventDefault();
    input.keys[key] = true;
    // Keys take over; a stale mouse target would pull the ship back on release.
    input.mouse = null;
    start();
  }

  function onKeyUp(event) {
    input.keys[keyName(event)] = false;
  }

  function toWorld(event) {
    return { x: event.clientX / view.scale, y: event.clientY / view.scale };
  }

  function onMouseMove(event) {
    input.mouse = toWorld(event);
  }

  function onMouseDown(event) {
    input.mouse = toWorld(event);
    start();
  }

  function onVisibility() {
    if (document.hidden && game.phase === "running") {
      setPhase("paused");
    }
  }

  function onRecharge() {
    recharge.blur();
    if (game.phase === "running") {
      setPhase("paused");
    }
    window.open("https://varnholt.example/recharge?account=" + encodeURIComponent(account) +
      "&server=" + encodeURIComponent(serverId), "varnholt-recharge", "width=520,height=640");
  }

  function frame(now) {
    requestAnimationFrame(frame);
    if (game.phase === "running") {
      var dt = loop.last === null ? 0 : Math.min(MAX_FRAME, (now - loop.last) / 1000);
      loop.last = now;
      loop.acc += dt;
      while (loop.acc >= STEP && game.phase === "running") {
        loop.acc -= STEP;
        update();
      }
      loop.dirty = true;
    }
    if (loop.dirty) {
      loop.dirty = false;
      draw();
    }
  }

  document.title = "Varnholt - " + account + " @ " + realm;
  resize();
  game = newGame();
  window.addEventListener("resize", resize);
  window.addEventListener("keydown", onKeyDown);
  window.addEventListener("keyup", onKeyUp);
  window.addEventListener("blur", function () { input.keys = {}; });
  canvas.addEventListener("mousemove", onMouseMove);
  canvas.addEventListener("mousedown", onMouseDown);
  document.addEventListener("visibilitychange", onVisibility);
  recharge.addEventListener("click", onRecharge);
  requestAnimationFrame(frame);
}());
