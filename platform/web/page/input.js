// Input beyond the keyboard and the mouse: gamepads, the touch screen's
// buttons and fullscreen. A pad or a finger gives the game the very keys and
// clicks the keyboard and the mouse would, so the game, its recording and the
// simulator see nothing new.
'use strict';

// A key is down while anything holds it: a pad's button, another pad's, a
// finger. The last key pressed repeats while held, as a keyboard's does; a
// held arrow moves the character again after a shot only through its repeats.
QV.held = (() => {
  const RepeatDelayMs = 660, RepeatEveryMs = 40;  // as the desktop repeats a pad's keys
  const Repeats = new Set(['ArrowLeft', 'ArrowRight', 'Space']);
  const holders = new Map();  // key code -> the names of what holds it
  let repeating = '', repeat = 0;

  function stopRepeats() {
    clearTimeout(repeat);
    repeating = '';
  }
  function press(holder, code) {
    if (!holders.has(code)) holders.set(code, new Set());
    const set = holders.get(code);
    set.add(holder);
    if (set.size > 1) return;
    QV.holdKey(code, true);
    stopRepeats();
    if (!Repeats.has(code)) return;
    repeating = code;
    const again = () => {
      QV.holdKey(code, true);
      repeat = setTimeout(again, RepeatEveryMs);
    };
    repeat = setTimeout(again, RepeatDelayMs);
  }
  function release(holder, code) {
    const set = holders.get(code);
    if (!set || !set.delete(holder) || set.size > 0) return;
    if (code === repeating) stopRepeats();
    QV.holdKey(code, false);
  }
  return {press, release};
})();

// Pads through the Gamepad API's standard mapping, read every frame while one
// is connected; with none, nothing runs. Any pad plays, several at once.
(() => {
  const Halfway = 0.5;  // a stick pushed less far is no push
  const Inputs = ['Left', 'Right', 'Up', 'Down', 'South', 'West', 'Start'];
  const held = [];      // by the pad's index: the inputs held when last read
  const heldKeys = {};  // 'pad.input' -> the key it holds down
  let reading = false;

  function inputsOf(pad) {
    const button = (i) => !!(pad.buttons[i] && pad.buttons[i].pressed);
    const x = pad.axes[0] || 0, y = pad.axes[1] || 0;
    return {Left: button(14) || x <= -Halfway, Right: button(15) || x >= Halfway,
            Up: button(12) || y <= -Halfway, Down: button(13) || y >= Halfway,
            South: button(0), West: button(2), Start: button(9)};
  }

  // On a window with a button, A or Start presses it and up and down choose
  // among its options; elsewhere A and X fire and Start pauses.
  function pressed(holder, input) {
    if (!QV.running()) {
      if (input === 'South' || input === 'Start') startGame();  // as a key on the cover
      return;
    }
    if (QV.hasButton()) {
      if (input === 'South' || input === 'Start') return QV.pressButton();
      if (input === 'Up' || input === 'Down') return QV.chooseOption(input === 'Up' ? -1 : 1);
    }
    const code = {Left: 'ArrowLeft', Right: 'ArrowRight', South: 'Space', Start: 'KeyP',
                  West: QV.hasButton() ? '' : 'Space'}[input];
    if (!code) return;
    heldKeys[holder] = code;
    QV.held.press(holder, code);
  }
  function released(holder) {
    if (!heldKeys[holder]) return;
    QV.held.release(holder, heldKeys[holder]);
    delete heldKeys[holder];
  }

  // A pad gone holds nothing: what it held is let go.
  function read() {
    let pads = [];
    try { pads = [...navigator.getGamepads()]; } catch (e) { /* not allowed here */ }
    let any = false;
    for (let i = 0; i < Math.max(pads.length, held.length); ++i) {
      const pad = pads[i] && pads[i].connected && pads[i].mapping === 'standard' ? pads[i] : null;
      const now = pad ? inputsOf(pad) : {};
      const before = held[i] || {};
      for (const input of Inputs) {
        if (now[input] && !before[input]) pressed(i + '.' + input, input);
        if (!now[input] && before[input]) released(i + '.' + input);
      }
      held[i] = now;
      any = any || !!pad;
    }
    reading = any;
    if (any) requestAnimationFrame(read);
  }
  function startReading() {
    if (reading || typeof navigator.getGamepads !== 'function') return;
    reading = true;
    requestAnimationFrame(read);
  }
  addEventListener('gamepadconnected', startReading);
  addEventListener('gamepaddisconnected', startReading);  // one more read lets it go
  startReading();
})();

// Fullscreen: Alt+Enter, or the touch screen's own button. The zoom follows
// the new size; the game goes on.
(() => {
  function toggle() {
    if (document.fullscreenElement) document.exitFullscreen();
    else if (document.fullscreenEnabled) document.documentElement.requestFullscreen().catch(() => {});
  }
  const isEnter = (e) => e.code === 'Enter' || e.code === 'NumpadEnter';
  let enterTaken = false;  // the Enter of Alt+Enter is not the game's, down or up
  addEventListener('keydown', (e) => {
    if (!e.altKey || !isEnter(e)) return;
    e.preventDefault();
    e.stopPropagation();
    enterTaken = true;
    if (!e.repeat) toggle();
  }, true);
  addEventListener('keyup', (e) => {
    if (!enterTaken || !isEnter(e)) return;
    e.preventDefault();
    e.stopPropagation();
    enterTaken = false;
  }, true);
  const button = document.getElementById('fullscreen');
  button.hidden = !document.fullscreenEnabled;
  button.addEventListener('click', toggle);
})();

// The touch screen's buttons, held as the keys are held; each finger counts.
for (const button of document.querySelectorAll('#touch [data-key]')) {
  const code = button.dataset.key;
  const fingers = new Set();
  button.addEventListener('pointerdown', (e) => {
    e.preventDefault();
    button.setPointerCapture(e.pointerId);
    fingers.add(e.pointerId);
    button.classList.add('held');
    QV.held.press('finger.' + e.pointerId, code);
  });
  const letGo = (e) => {
    if (!fingers.delete(e.pointerId)) return;
    if (!fingers.size) button.classList.remove('held');
    QV.held.release('finger.' + e.pointerId, code);
  };
  for (const type of ['pointerup', 'pointercancel', 'lostpointercapture']) button.addEventListener(type, letGo);
}
