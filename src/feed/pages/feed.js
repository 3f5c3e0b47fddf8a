// Shared by the feed's pages: the live connection and the clock that counts
// down in the page between the board's messages (the board sends none per tick).
"use strict";

const DorvaneFeed = {
  // Opens the WebSocket at path on this server and reopens it when it drops.
  connect(path, onMessage) {
    const open = () => {
      const socket = new WebSocket(`ws://${location.host}${path}`);
      socket.onmessage = (event) => {
        // A message that is not what the page expects is skipped: the page goes on.
        try {
          onMessage(JSON.parse(event.data), performance.now());
        } catch (error) {
          console.warn("Skipped a feed message:", error);
        }
      };
      socket.onclose = () => setTimeout(open, 1000);
    };
    open();
  },

  // The time left now of a match received at receivedAt (performance.now()).
  remainingMs(match, receivedAt, now) {
    const clock = match.clock;
    if (!clock.counting) return clock.remainingMs;
    return Math.max(0, clock.remainingMs - (now - receivedAt));
  },

  // The moment (performance.now()) a match's clock was read on its board,
  // from its wall-clock time: a match kept by the broker may be old when it
  // arrives. Never later than its arrival.
  takenAt(match, receivedAt) {
    return receivedAt - Math.max(0, Date.now() - match.clock.takenAtUnixMs);
  },

  // "m:ss" rounded to the nearest second, as the board writes it.
  formatClock(ms) {
    const seconds = Math.round(ms / 1000);
    return `${Math.floor(seconds / 60)}:${String(seconds % 60).padStart(2, "0")}`;
  },

  // What the board's clock shows: a counting clock counts here, a held one
  // shows the board's own text.
  clockText(match, receivedAt, now) {
    if (!match.clock.counting) return match.clock.text;
    return this.formatClock(this.remainingMs(match, receivedAt, now));
  },

  // The board's digits go dark for one 200 ms step in four in the last
  // warning seconds of a running round.
  clockDark(match, receivedAt, now) {
    const clock = match.clock;
    if (clock.state !== "running" || clock.warningMs <= 50) return false;
    const left = this.remainingMs(match, receivedAt, now);
    return left < clock.warningMs && Math.round(left / 200) % 4 === 0;
  },

  // Redraws with every animation frame while a clock counts.
  everyFrame(draw) {
    const frame = (now) => {
      // Asked first: a draw that fails does not stop the next one.
      requestAnimationFrame(frame);
      draw(now);
    };
    requestAnimationFrame(frame);
  },

  setText(id, text) {
    const element = document.getElementById(id);
    if (element.textContent !== text) element.textContent = text;
  },
};
