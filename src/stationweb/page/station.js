// The instructor station page: pairs with the simulator that served it, shows its unit live
// and sends the instructor's commands. It reconnects by itself when the connection drops.
"use strict";

const byId = (id) => document.getElementById(id);
let socket = null;
let paired = false;
let optionNames = {};
// While the instructor edits the options they stay as edited; otherwise they follow the unit.
let optionsEdited = false;

function show(id, text) {
  byId(id).textContent = text;
}

function fixed(value, decimals) {
  return typeof value === "number" ? value.toFixed(decimals) : "";
}

function clockText(ms) {
  const seconds = Math.floor(ms / 1000);
  const pad = (n) => String(n).padStart(2, "0");
  return `${pad(Math.floor(seconds / 3600))}:${pad(Math.floor(seconds / 60) % 60)}:${pad(seconds % 60)}`;
}

function names(numbers) {
  return numbers.length ? numbers.map((n) => optionNames[n] || `option ${n}`).join(", ") : "none";
}

function send(message) {
  if (socket && socket.readyState === WebSocket.OPEN) socket.send(JSON.stringify(message));
}

function welcome(message) {
  const options = byId("options");
  options.textContent = "";
  let frame = null;
  for (const box of message.options) {
    optionNames[box.number] = box.caption.trim() === "Physical Failure" ? `${box.frame}: Physical Failure` : box.caption.trim();
    if (!frame || frame.dataset.frame !== box.frame) {
      frame = document.createElement("fieldset");
      frame.dataset.frame = box.frame;
      const legend = document.createElement("legend");
      legend.textContent = box.frame;
      frame.appendChild(legend);
      options.appendChild(frame);
    }
    const label = document.createElement("label");
    label.title = box.tooltip;
    const input = document.createElement("input");
    input.type = "checkbox";
    input.dataset.option = box.number;
    label.append(input, " " + box.caption.trim());
    frame.appendChild(label);
  }
  const delay = byId("delay");
  delay.textContent = "";
  for (let minutes = 0; minutes <= message.longestDelay; ++minutes) delay.add(new Option(String(minutes)));
  const drills = byId("drills");
  drills.textContent = "";
  for (const name of message.drills) drills.add(new Option(name));
  byId("startDrill").disabled = message.drills.length === 0;
}

function state(s) {
  for (const handset of s.handsets) {
    show(`${handset.side}Display`, handset.lines.join("\n"));
    show(`${handset.side}Caption`, `${handset.side === "left" ? "Left" : "Right"}${handset.master ? " (master)" : ""}${handset.on ? "" : ", off"}`);
  }
  show("loopPO2", fixed(s.loopPO2, 2));
  show("handsetPO2", s.handsetPO2);
  show("cells", s.cells.map((c) => fixed(c, 2)).join("  "));
  show("setpoint", fixed(s.setpoint, 2));
  show("depth", `${s.depth} m`);
  show("counterlung", `${Math.round(s.counterlung)} %`);
  show("mouthpiece", s.bailedOut ? `${s.mouthpiece}, bailed out` : s.mouthpiece);
  show("time", clockText(s.t));
  show("clock", s.paused ? "paused" : `×${s.speed}`);
  show("drill", s.drill || "none");
  show("failures", names(s.failures));
  if (!optionsEdited) {
    for (const box of document.querySelectorAll("#options input")) box.checked = s.ticked.includes(Number(box.dataset.option));
    byId("delay").value = String(s.delay);
  }
  if (s.pending) {
    const parts = [];
    if (s.pending.set.length) parts.push(`set ${names(s.pending.set)}`);
    if (s.pending.clear.length) parts.push(`clear ${names(s.pending.clear)}`);
    show("pending", `${parts.join("; ") || "no change"} in ${s.pending.inSeconds} s`);
  } else {
    show("pending", "none");
  }
  const warnings = byId("warnings");
  warnings.textContent = "";
  for (const warning of s.warnings) {
    const item = document.createElement("li");
    item.textContent = `${clockText(warning.second * 1000)} ${warning.text}`;
    warnings.appendChild(item);
  }
}

function received(event) {
  let message;
  try {
    message = JSON.parse(event.data);
  } catch (error) {
    return;
  }
  if (message.type === "welcome") {
    paired = true;
    sessionStorage.setItem("stationCode", byId("code").value);
    byId("live").hidden = false;
    byId("pairing").hidden = true;
    show("status", "Connected");
    show("message", "");
    welcome(message);
  } else if (message.type === "state") {
    state(message);
  } else if (message.type === "refused") {
    show("message", message.error);
    // A station started again has a new code: ask for it.
    if (message.error.includes("code")) byId("pairing").hidden = false;
  } else if (message.type === "done") {
    show("message", "");
  }
}

function connect() {
  socket = new WebSocket(`ws://${location.host}/socket`);
  socket.onopen = () => {
    const code = byId("code").value;
    if (code) send({ type: "hello", code });
    else show("status", "Not paired");
  };
  socket.onmessage = received;
  socket.onclose = () => {
    show("status", paired ? "Reconnecting…" : "Not connected");
    // A page that was paired pairs again with its code as soon as the station is back.
    setTimeout(connect, 1000);
  };
}

byId("pairing").addEventListener("submit", (event) => {
  event.preventDefault();
  send({ type: "hello", code: byId("code").value });
});
byId("options").addEventListener("change", () => (optionsEdited = true));
byId("delay").addEventListener("change", () => (optionsEdited = true));
byId("changeNow").addEventListener("click", () => {
  optionsEdited = false;
  const failures = [...document.querySelectorAll("#options input:checked")].map((box) => Number(box.dataset.option));
  send({ type: "options", failures, delay: Number(byId("delay").value) });
});
byId("refill").addEventListener("click", () => send({ type: "action", verb: "tap", element: "Options.Command2" }));
byId("batteries").addEventListener("click", () => send({ type: "action", verb: "tap", element: "Options.Command3" }));
byId("pause").addEventListener("click", () => send({ type: "pause" }));
byId("resume").addEventListener("click", () => send({ type: "resume" }));
byId("speed").addEventListener("change", () => send({ type: "speed", value: Number(byId("speed").value) }));
byId("startDrill").addEventListener("click", () => send({ type: "drill", name: byId("drills").value }));
byId("noteForm").addEventListener("submit", (event) => {
  event.preventDefault();
  const text = byId("note").value.trim();
  if (text) send({ type: "note", text });
  byId("note").value = "";
});

const given = new URLSearchParams(location.search).get("code");
byId("code").value = given || sessionStorage.getItem("stationCode") || "";
connect();
