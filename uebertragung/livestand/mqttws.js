"use strict";
// A small MQTT 3.1.1 client over WebSocket for the lobby board and the overlay: connect,
// subscribe (wildcards allowed), receive messages (retained ones included), keep the
// connection alive with pings and reconnect by itself (1 s doubling to 30 s). It only listens:
// subscriptions are QoS 0, nothing is ever published.
//   const c = new MqttWs("ws://broker:9001", ["pistorelle/+/stand"], {
//     nachricht: (thema, text) => {}, zustand: (verbunden, grund) => {} });
class MqttWs {
  constructor(adresse, themen, rueckruf) {
    this.adresse = adresse;
    this.themen = themen;
    this.rueckruf = rueckruf;
    this.pause = 1000;
    this.puffer = new Uint8Array(0);
    this.kennung = 1;
    this.verbinde();
  }

  static utf8(text) { return new TextEncoder().encode(text); }
  static mitLaenge(bytes) { return [bytes.length >> 8, bytes.length & 255, ...bytes]; }
  // The remaining length of a fixed header: seven bits a byte, the high bit says "more".
  static laenge(n) {
    const b = [];
    do {
      let x = n % 128;
      n = Math.floor(n / 128);
      if (n > 0) x |= 128;
      b.push(x);
    } while (n > 0);
    return b;
  }
  sende(kopf, rest) {
    if (this.ws && this.ws.readyState === WebSocket.OPEN)
      this.ws.send(new Uint8Array([kopf, ...MqttWs.laenge(rest.length), ...rest]));
  }

  verbinde() {
    let ws;
    try {
      ws = new WebSocket(this.adresse, ["mqtt"]);
    } catch (x) {
      this.getrennt(String(x.message || x));
      return;
    }
    this.ws = ws;
    ws.binaryType = "arraybuffer";
    ws.onopen = () => {
      const id = "pistorelle-lobby-" + Math.random().toString(36).slice(2, 10);
      // Protocol "MQTT" level 4, clean session, keep-alive 60 s.
      this.sende(0x10, [...MqttWs.mitLaenge(MqttWs.utf8("MQTT")), 4, 0x02, 0, 60,
                        ...MqttWs.mitLaenge(MqttWs.utf8(id))]);
    };
    ws.onmessage = (e) => this.empfange(new Uint8Array(e.data));
    ws.onerror = () => {};
    ws.onclose = () => this.getrennt("");
  }

  getrennt(grund) {
    clearInterval(this.ping);
    this.puffer = new Uint8Array(0);
    if (this.rueckruf.zustand) this.rueckruf.zustand(false, grund, this.pause);
    setTimeout(() => this.verbinde(), this.pause);
    this.pause = Math.min(this.pause * 2, 30000);
  }

  // A WebSocket message may carry several packets or part of one.
  empfange(bytes) {
    const alles = new Uint8Array(this.puffer.length + bytes.length);
    alles.set(this.puffer);
    alles.set(bytes, this.puffer.length);
    let pos = 0;
    while (alles.length - pos >= 2) {
      let n = 0, faktor = 1, i = pos + 1, b;
      do {
        if (i >= alles.length) { this.puffer = alles.slice(pos); return; }
        b = alles[i++];
        n += (b & 127) * faktor;
        faktor *= 128;
      } while (b & 128);
      if (alles.length - i < n) break;
      this.paket(alles[pos], alles.subarray(i, i + n));
      pos = i + n;
    }
    this.puffer = alles.slice(pos);
  }

  paket(kopf, inhalt) {
    const art = kopf >> 4;
    if (art === 2) {  // CONNACK
      if (inhalt[1] !== 0) {
        const gruende = { 4: "Benutzername oder Passwort falsch", 5: "nicht berechtigt" };
        if (this.rueckruf.zustand)
          this.rueckruf.zustand(false, gruende[inhalt[1]] || "abgelehnt (" + inhalt[1] + ")", this.pause);
        return;
      }
      this.pause = 1000;
      const filter = [];
      for (const t of this.themen) filter.push(...MqttWs.mitLaenge(MqttWs.utf8(t)), 0);
      const k = this.kennung = this.kennung % 65535 + 1;
      this.sende(0x82, [k >> 8, k & 255, ...filter]);
      this.ping = setInterval(() => this.sende(0xC0, []), 30000);
      if (this.rueckruf.zustand) this.rueckruf.zustand(true, "", 0);
    } else if (art === 3) {  // PUBLISH
      const qos = (kopf >> 1) & 3;
      const tl = (inhalt[0] << 8) | inhalt[1];
      const thema = new TextDecoder().decode(inhalt.subarray(2, 2 + tl));
      let pos = 2 + tl;
      if (qos > 0) {
        // Acknowledged, though we subscribe with QoS 0 and should never need it.
        this.sende(qos === 1 ? 0x40 : 0x50, [inhalt[pos], inhalt[pos + 1]]);
        pos += 2;
      }
      this.rueckruf.nachricht(thema, new TextDecoder().decode(inhalt.subarray(pos)));
    }
  }
}
