// The classroom page: the stations the instructor added by hand, each a live tile (true and
// handset PO2, depth, warnings). A click on a tile opens that station's page to drive it.
"use strict";

const stations = JSON.parse(localStorage.getItem("classroomStations") || "[]");
const tiles = document.getElementById("tiles");

function save() {
  localStorage.setItem("classroomStations", JSON.stringify(stations));
}

function field(tile, name, text) {
  tile.querySelector(`[data-field="${name}"]`).textContent = text;
}

function watch(station) {
  const tile = document.createElement("article");
  tile.className = "tile";
  tile.innerHTML = `<h2></h2><p class="po2"><span data-field="loop">–</span> true · <span data-field="handset">–</span> handset</p>
    <p><span data-field="depth">– m</span> · <span data-field="status">connecting…</span></p><p class="warning" data-field="warning"></p>
    <button type="button" class="remove">Remove</button>`;
  tile.querySelector("h2").textContent = station.address;
  tiles.appendChild(tile);
  let socket = null;
  let removed = false;
  const connect = () => {
    socket = new WebSocket(`ws://${station.address}/socket`);
    socket.onopen = () => socket.send(JSON.stringify({ type: "hello", code: station.code }));
    socket.onmessage = (event) => {
      const message = JSON.parse(event.data);
      if (message.type === "state") {
        field(tile, "loop", message.loopPO2.toFixed(2));
        field(tile, "handset", message.handsetPO2 || "–");
        field(tile, "depth", `${message.depth} m`);
        field(tile, "status", message.paused ? "paused" : "live");
        const last = message.warnings[message.warnings.length - 1];
        field(tile, "warning", last ? last.text : "");
        tile.classList.toggle("alarm", Boolean(last));
      } else if (message.type === "refused") {
        field(tile, "status", message.error);
      }
    };
    socket.onclose = () => {
      if (removed) return;
      field(tile, "status", "reconnecting…");
      setTimeout(connect, 2000);
    };
  };
  tile.addEventListener("click", (event) => {
    if (event.target.classList.contains("remove")) {
      removed = true;
      socket.close();
      tile.remove();
      stations.splice(stations.indexOf(station), 1);
      save();
      return;
    }
    location.href = `http://${station.address}/?code=${encodeURIComponent(station.code)}`;
  });
  connect();
}

document.getElementById("add").addEventListener("submit", (event) => {
  event.preventDefault();
  const station = {
    address: document.getElementById("address").value.trim(),
    code: document.getElementById("code").value.trim(),
  };
  if (!/^[A-Za-z0-9.\-\[\]:]+$/.test(station.address)) return;
  stations.push(station);
  save();
  watch(station);
  event.target.reset();
});

for (const station of stations) watch(station);
