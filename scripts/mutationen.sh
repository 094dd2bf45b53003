#!/usr/bin/env bash
# Mutation run: puts one small fault at a time into a copy of the tree, builds only the tests
# that should notice it, runs them and reports which test caught the fault. A fault that no
# test catches points at a rule the tests do not guard. Not part of CI (half an hour or so).
#   scripts/mutationen.sh               every fault
#   scripts/mutationen.sh --nur 3,17    only these
#   scripts/mutationen.sh --liste       the list, checked against the sources, nothing run
# The copy lives in $PISTORELLE_MUTATIONEN (default /tmp/pistorelle-mutationen-<tree folder>)
# and is kept: the next run copies only what changed and builds incrementally.
set -euo pipefail
# One block: bash reads it whole, so editing this file during a run does not disturb the run.
{
cd "$(dirname "$0")/.."
quelle=$PWD
ablage=${PISTORELLE_MUTATIONEN:-/tmp/pistorelle-mutationen-$(basename "$quelle")}
baum=$ablage/quelle
bau=$ablage/build
# Tests that never touch the faults below and take minutes (clang fuzzing, mingw builds).
langsam='^(tst_boxen_fuzz|tst_modemleitungen_windows|tst_portalix_windows)$'

# ---------------------------------------------------------------- the faults
# F LAYER FILE FAULT FIND REPLACE [TESTS]
#   FIND is one line's text that occurs exactly once in FILE; TESTS a ctest -R regex
#   (default: every test but the slow ones).
schichten=() dateien=() fehler=() finden=() ersetzen=() tests=()
F() {
    schichten+=("$1") dateien+=("$2") fehler+=("$3") finden+=("$4") ersetzen+=("$5")
    tests+=("${6:-}")
}

# settings store
T='tst_config_einstellungen|fuzz_einstellungen_kurz'
F config config/IniDatei.cpp "a changed key is not written to the line that is read" \
    '        z.roh = neu;' '        continue;' "$T"
F config config/IniDatei.cpp "the last of duplicate keys is read, not the first" \
    '|| w.contains(z.schluessel)) continue;' ') continue;' "$T"
F config config/EinstellungsSpeicher.cpp "a lane rotation not ending on lane 2 is taken" \
    'if (bahnen >= 2 && !s.endsWith(QLatin1Char('"'2'"'))) return false;' '' "$T|tst_turnier"
F config config/EinstellungsSpeicher.cpp "the .bak copy is renewed on every write" \
    'if (!gesichert.contains(absolut) && QFileInfo::exists(pfad)) {' \
    'if (QFileInfo::exists(pfad)) {' "$T"
F config config/EinstellungsSpeicher.cpp "a 16-bit value above 32767 wraps around" \
    'w > std::numeric_limits<qint16>::max())' 'false)' "$T"

# the layer check of the build
F build cmake/Schichtenpruefung.cmake "an include into a higher layer passes the layer check" \
    '            list(FIND erlaubt_${schicht} ${ort} darf)' '            set(darf 0)' \
    'schichtenpruefung'

# database
T='tst_datenbank|tst_programmstart'
F data data/Datenbank.cpp "a damaged file passes the open check" \
    'if (befund != QStringList{QStringLiteral("ok")}) {' 'if (false) {' "$T"
F data data/Datenbank.cpp "a file of a newer schema is opened" \
    'if (*version > DatenbankSchema::version) {' \
    'if (*version > DatenbankSchema::version + 1) {' "$T"
F data data/Datenbank.cpp "no copy of the file before its migration" \
    '(version < DatenbankSchema::version && !sichereVorMigration(pfad, version, &grund)) ||' \
    '(version < 0 && !sichereVorMigration(pfad, version, &grund)) ||' "$T"
F data data/Datenbank.cpp "the history copy takes the unstamped marker \"0\"" \
    'if (stempel.isEmpty() || stempel == QLatin1String("0")) {' 'if (stempel.isEmpty()) {' \
    "$T|tst_rundensicherung"
F data data/Laufrettung.cpp "a lap already in the history is copied again" \
    'where h.lfdnr = a.lfdnr and h.Bahn = a.Bahn' 'where h.lfdnr = -a.lfdnr and h.Bahn = a.Bahn' \
    'tst_datenbank|tst_rundensicherung|tst_absturz|replay_komplett'

# timing hardware: decoders and status watches
T='tst_dsprotokoll|fuzz_dszaehler_kurz|tst_dsgesamtzeit|tst_zeitnahme_status'
F hardware hardware/DSProtokoll.cpp "the DS checksum leaves out the last data byte" \
    'for (int i = 1; i <= 17; ++i) summe += rahmen[i];' \
    'for (int i = 1; i <= 16; ++i) summe += rahmen[i];' "$T"
F hardware hardware/DSProtokoll.cpp "a DS frame repeated by the counter counts twice" \
    'if (m_folge && *m_folge == r[1]) continue;' 'if (false) continue;' "$T"
F hardware hardware/DSProtokoll.cpp "DS lane bits of the other direction shifted by one" \
    'const int bahn = r[3] == 2 ? n : 9 - n;' 'const int bahn = r[3] == 2 ? n : 8 - n;' "$T"
F hardware hardware/DSProtokoll.cpp "the DS counter's first lap gets a lap time" \
    'const qint32 zehntel = e.runden > 1 ? rundenZeitZehntel(r) : 0;' \
    'const qint32 zehntel = e.runden > 0 ? rundenZeitZehntel(r) : 0;' "$T"
F hardware hardware/BoxProtokoll.cpp "the control box reports a lap on lane 7" \
    'else if (zeit >= 1 && (bahn < 1 || bahn > 6))' \
    'else if (zeit >= 1 && (bahn < 1 || bahn > 7))' \
    'tst_controlbox|fuzz_controlbox_kurz|tst_boxenpty'
F hardware hardware/SerielleRunden.cpp "the second serial port's lines land on lanes 3 and 4" \
    'return port == 2 ? bahn + 4 : bahn;' 'return port == 2 ? bahn + 2 : bahn;' \
    'tst_serielle_ports|tst_ende_zu_ende_seriell|fuzz_mscomm_kurz'
T='tst_zeitnahme_status|tst_serielle_ports|tst_schnittstellen'
F hardware hardware/Datenwaechter.cpp "a valid message does not restart the watch" \
    '        m_wartet = false;' '' "$T"
F hardware hardware/Datenwaechter.cpp "a valid message does not lift \"wrong data\"" \
    '        m_falsch = false;' '' "$T"
F hardware hardware/DSProtokoll.cpp "a DS transfer error counts as a valid message" \
    'if (m_synchron) fehler(textStartbyte, aus);' \
    'if (m_synchron) { ++m_rahmen; fehler(textStartbyte, aus); }' "$T|tst_dsprotokoll"

# lap path
T='tst_rundenpfad|tst_rennzustand|tst_dsgesamtzeit|tst_ergebnisdateien|replay_'
F "lap path" engine/RennleitungRunden.cpp "no bounce time between two crossings" \
    'if (TempZeit - m_z.RundenStart[s] <= m_e.PrellZeit) return;' \
    'if (TempZeit - m_z.RundenStart[s] <= 0) return;' "$T"
F "lap path" engine/RennleitungRunden.cpp "the first lap is timed from the lane's first crossing" \
    'const qint32 bezug = m_z.Runden[s] == 1 ? m_z.BahnStartZeit[s] : m_z.RundenStart[s];' \
    'const qint32 bezug = m_z.RundenStart[s];' "$T"
F "lap path" engine/RennleitungRunden.cpp "a lap after an added one may be the best lap" \
    'if (besteMoeglich && m_z.LetzteRunde[s] < m_z.BesteRunde[s]) {' \
    'if (m_z.LetzteRunde[s] < m_z.BesteRunde[s]) {' "$T"
F "lap path" engine/RennleitungRunden.cpp "caution time stays in the lane's total" \
    'm_z.GesamtZeit[s] = TempZeit - m_z.BahnStartZeit[s] - m_z.ChaosZeitBis(TempZeit);' \
    'm_z.GesamtZeit[s] = TempZeit - m_z.BahnStartZeit[s];' "$T|tst_chaosmodus"
F "lap path" engine/Rennleitung.cpp "a slower lap is marked as faster than the one before" \
    'if (letzteRunde > z.aktRunde) z.zurVorRunde = 2;' \
    'if (letzteRunde > z.aktRunde) z.zurVorRunde = 0;' "$T"
F "lap path" engine/Rennleitung.cpp "the false start remark goes on the second lap" \
    'if (m_z.FruehstartMarke[size_t(slot)] && runden == 1) rennInfo = QStringLiteral("FS");' \
    'if (m_z.FruehstartMarke[size_t(slot)] && runden == 2) rennInfo = QStringLiteral("FS");' "$T"
F "lap path" engine/Rennstand.cpp "on equal laps the longer total time leads" \
    'if (a.gesamt != b.gesamt) return a.gesamt < b.gesamt;' \
    'if (a.gesamt != b.gesamt) return a.gesamt > b.gesamt;' \
    "$T|tst_nachlauf|tst_livestand"
F "lap path" engine/Rangliste.cpp "a lap record is replaced by a slower lap" \
    'z.schnellste >= gespeichert.toLongLong())' 'z.schnellste <= gespeichert.toLongLong())' \
    "$T|tst_nachlauf"

# run sequence, after-run, caution
T='tst_rennablauf|tst_nachlauf|tst_chaosmodus|replay_'
F sequence engine/Rennablauf.cpp "a race by laps ends one lap late" \
    'if (erster && m_leitung.grenzeZahl() <= erster->ReturnRunden()) StopRennen();' \
    'if (erster && m_leitung.grenzeZahl() < erster->ReturnRunden()) StopRennen();' "$T"
F sequence engine/Rennablauf.cpp "caution shortens a timed race instead of extending it" \
    'rest = grenzeMs - (jetzt - qint64(z.StartZeit)) + qint64(z.ChaosZeit);' \
    'rest = grenzeMs - (jetzt - qint64(z.StartZeit)) - qint64(z.ChaosZeit);' "$T"
F sequence engine/Rennablauf.cpp "after the first time mark no other is announced" \
    'if (uhrText.mid(6, 4) == QLatin1String("45.0")) m_ansageFrei = true;' '' "$T"
F sequence engine/Rennablauf.cpp "the stop uses the training power setting in a race" \
    'const bool strom = z.Option1 == 0 ? e.BahnStrom == 1 : e.BahnStromTraining == 1;' \
    'const bool strom = z.Option1 != 0 ? e.BahnStrom == 1 : e.BahnStromTraining == 1;' "$T"
F sequence engine/Nachlauf.cpp "the lap records are not kept after a run" \
    'if (e.CheckSRunden == 1) l.CheckSchnellsteRunde();' \
    'if (e.CheckSRunden != 1) l.CheckSchnellsteRunde();' "$T|tst_ergebnisdateien"
F sequence engine/Nachlauf.cpp "power training goes on after another mode was chosen" \
    'if (ok && !m_ablauf.beendet() && z.RennModus == 4) m_ablauf.StartRennen();' \
    'if (ok && !m_ablauf.beendet()) m_ablauf.StartRennen();' "$T"
F sequence engine/Nachlauf.cpp "lanes without a lap are announced in the results" \
    'if (r.runden <= 0) continue;' 'if (r.runden < 0) continue;' "$T"
F sequence engine/ChaosModus.cpp "caution is credited twice by a device that times the laps" \
    'if (!l.zeitnahme().misstRundenzeiten) {' 'if (true) {' "$T|tst_lapsterbox"
F sequence engine/ChaosModus.cpp "caution in the countdown is credited to the race" \
    'if (!m_imCountdown) {' 'if (true) {' "$T"
F sequence engine/ChaosModus.cpp "a second caution end during the restart counts again" \
    'if (!zeitbalkenSichtbar() || !z.ChaosAktiv || m_neustart) return;' \
    'if (!zeitbalkenSichtbar() || !z.ChaosAktiv) return;' "$T"

# lap corrections
T='replay_korrektur|tst_renntag|tst_replay'
F corrections engine/Laufrunden.cpp "the lap after an added one may become the best lap" \
    'if (!r.plus && !r.ohneBestzeit && !nachPlus && r.zeit < zeit) {' \
    'if (!r.plus && !r.ohneBestzeit && r.zeit < zeit) {' "$T"
F corrections engine/Rundenkorrektur.cpp "after a removed lap the next is timed from it" \
    'if (weg.letzte) m_leitung.zustand(Korrekturrecht{}).RundenStart[size_t(slot)] -= r.zeit;' \
    'if (weg.letzte) {}' "$T"
F corrections engine/Rundenkorrektur.cpp "a lap can be added during caution" \
    'if (z.ChaosAktiv) return tr(' 'if (false) return tr(' "$T"
F corrections engine/Rundenkorrektur.cpp "a lap can be added before green" \
    'if (z.AmpelPhase != 6) return tr(' 'if (false) return tr(' "$T"

# keeping laps when writes fail, crash recovery
T='tst_rundensicherung|tst_datenbank|tst_absturz|tst_programmstart'
F recovery engine/Rundenschreiber.cpp "the standings rows of a tick are not written" \
    'for (qsizetype k = 0; ok && k < t.positionen.size(); ++k)' \
    'for (qsizetype k = 0; ok && k < 0; ++k)' "$T"
F recovery engine/Rundenschreiber.cpp "only the first run's start stamp is stored" \
    'if (!t.runden.isEmpty() && t.stempel != stempel) {' \
    'if (!t.runden.isEmpty() && stempel.isEmpty()) {' "$T"
F recovery data/Laufrettung.cpp "\"abgebrochen\" is written on the wrong path" \
    'if (ok && abgebrochen) {' 'if (ok && !abgebrochen) {' "$T"
F recovery data/Laufrettung.cpp "\"abgebrochen\" is also written when the engine copies old laps" \
    'if (ok && abgebrochen) {' 'if (ok) {' "$T"
F recovery data/Laufrettung.cpp "a recovered run keeps the unstamped marker as its time" \
    'if (b.stempel.isEmpty() || b.stempel == QLatin1String("0")) {' \
    'if (b.stempel.isEmpty()) {' "$T"

# tournament
T='tst_turnier|replay_turnier|tst_slotrennen'
F tournament tournament/RennLaufBelegung.cpp "the random heat order never keeps a lane in place" \
    'const qsizetype j = zufall.zufall(0, int(i));' \
    'const qsizetype j = zufall.zufall(0, int(i) - 1);' "$T"
F tournament tournament/RennLaufBelegung.cpp "groups get one entrant too many" \
    'if (c == proGruppe - 1) {' 'if (c == proGruppe) {' "$T"
F tournament tournament/RennLaufBelegung.cpp "the heats rotate the other way" \
    'laeufe << v.mid(1) + v.left(1);' 'laeufe << v.right(1) + v.left(v.size() - 1);' "$T"
F tournament tournament/TurnierDaten.cpp "a tie on laps goes to the longer time" \
    '"order by sum(Runden) desc, sum(Zeit)");' '"order by sum(Runden) desc, sum(Zeit) desc");' \
    "$T"

# report
T='tst_nachlauf|tst_renntag|tst_tabellen|replay_'
F report tournament/TurnierBericht.cpp "the average lap divides by one lap too many" \
    '<< zelle(Formate::Format(zeit / runden, zeitMuster));' \
    '<< zelle(Formate::Format(zeit / (runden + 1), zeitMuster));' 'tst_turnier'
F report engine/Laufergebnis.cpp "a car one lap down gets a time gap in the results" \
    'z.runden < erster.runden' 'z.runden + 1 < erster.runden' "$T"
F report engine/Laufergebnis.cpp "a lane whose laps are all added ones gets 999999 as its best" \
    'z.beste = z.runden > 0 && beste > 0 && beste < 999999 ? beste : 0;' \
    'z.beste = z.runden > 0 && beste > 0 ? beste : 0;' "$T"

# series standings, driver statistics
T='tst_meisterschaft|replay_meisterschaft'
F tournament tournament/Meisterschaft.cpp "a driver with no more results than dropped ones drops them" \
    'if (streichergebnisse > 0 && z.starts > streichergebnisse) {' \
    'if (streichergebnisse > 0 && z.starts >= streichergebnisse) {' "$T"
F tournament tournament/Meisterschaft.cpp "the fastest lap earns no bonus" \
    'if (e.schnellsteRunde) e.punkte += regeln.bonusSchnellsteRunde;' '' "$T"
F tournament tournament/Meisterschaft.cpp "fewer wins rank first on equal points" \
    'if (na != nb) return na > nb ? -1 : 1;' 'if (na != nb) return na < nb ? -1 : 1;' "$T"
F tournament tournament/Fahrerstatistik.cpp "a lap taken back counts in the statistics" \
    'QStringLiteral("Zeit > 0 and ") + QLatin1String(DatenbankSchema::zaehltInHistorie);' \
    'QStringLiteral("Zeit > 0");' 'tst_fahrerstatistik|tst_statistikfenster'
F data data/DatenbankSchema.cpp "old corrections all name the first marked row of their lap" \
    '"= k.Runde and m.n = k.n where k.nr = korrekturen.lfdnr) where Art "' \
    '"= k.Runde where k.nr = korrekturen.lfdnr) where Art "' 'tst_datenbank'
F engine engine/Rundenkorrektur.cpp "a correction does not name the lap row it took back" \
    'k.minus ? weg : QVariant()});' 'QVariant()});' 'tst_renntag'
F gui ui/Sprecherplatz.cpp "a dialog over the announcer leaves it on top of the dialog's buttons" \
    'return art != Qt::Popup && art != Qt::ToolTip && art != Qt::Desktop;' \
    'return w->inherits("frmAnzeige");' 'tst_renntag'
F gui uebertragung/MqttSender.cpp "the standings are not kept by the broker for late subscribers" \
    'if (veroeffentliche("stand", json, true, 0)) m_zuletzt = json;' \
    'if (veroeffentliche("stand", json, false, 0)) m_zuletzt = json;' 'tst_mqtt_lobby'

# live standings
T='tst_livestand'
F "live board" uebertragung/LiveStandDaten.cpp "a car one lap down gets a time gap" \
    'if (runden >= 1)' 'if (runden > 1)' "$T"
F "live board" uebertragung/LiveStandDaten.cpp "one lap too few to go" \
    'qMax(0, grenze - int(erster->ReturnRunden()));' \
    'qMax(0, grenze - int(erster->ReturnRunden()) - 1);' "$T"
F "live board" uebertragung/LiveStandDaten.cpp "the no-lap marker is sent as a best lap" \
    'beste > 0 && beste < 99999 ? QJsonValue(beste) : QJsonValue(QJsonValue::Null);' \
    'beste > 0 ? QJsonValue(beste) : QJsonValue(QJsonValue::Null);' "$T"
F "live board" uebertragung/LiveStandServer.cpp "a body of any size is taken" \
    '    if (inhalt > inhaltGrenze) {' '    if (false) {' "$T"
F "live board" uebertragung/LiveStandServer.cpp "connections that send nothing stay open" \
    'if (it->frist <= jetzt) abgelaufen << it.key();' 'if (false) abgelaufen << it.key();' "$T"
F "live board" uebertragung/LiveStand.cpp "one address takes every place" \
    '    if (vonDort >= m_plaetzeJeAdresse)' '    if (false)' "$T"

# result files
T='tst_ergebnisdateien|fuzz_ergebniszeile_kurz|tst_nachlauf|replay_'
F "result files" engine/Ergebnisdateien.cpp "a line break in a name splits the row" \
    'if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||' \
    "if (c == QLatin1Char('\\t') || c == QChar::LineSeparator ||" "$T"
F "result files" engine/Ergebnisdateien.cpp "a race name starting with a dot gives a hidden .lrf" \
    "const auto rand = [](QChar c) { return c == QLatin1Char('.') || c.isSpace(); };" \
    'const auto rand = [](QChar c) { return c.isSpace(); };' "$T"
F "result files" engine/Ergebnisdateien.cpp "day and month swapped in the race time" \
    "return stempel.mid(8, 2) + QLatin1Char('.') + stempel.mid(5, 2) + QLatin1Char('.') +" \
    "return stempel.mid(5, 2) + QLatin1Char('.') + stempel.mid(8, 2) + QLatin1Char('.') +" "$T"
F "result files" engine/Ergebnisdateien.cpp "the remark loses its leading dash" \
    "QLatin1Char('-') + z.rennInfo," 'z.rennInfo,' "$T"
F "result files" engine/RennleitungHistorie.cpp "the .lrf file is written when it is switched off" \
    'if (m_e.LTFSchreiben == 1 && !m_protokoll->schreibeLrf(rennName, stempel, &nr, &text)) {' \
    'if (m_e.LTFSchreiben != 1 && !m_protokoll->schreibeLrf(rennName, stempel, &nr, &text)) {' \
    "$T|tst_rundensicherung"

# ---------------------------------------------------------------- options
hilfe() { sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//'; }
nur=()
liste=false
while [ $# -gt 0 ]; do
    case "$1" in
        --nur) [ $# -ge 2 ] || { echo "--nur braucht Nummern" >&2; exit 2; }
               IFS=, read -ra nur <<<"$2"; shift 2 ;;
        --nur=*) IFS=, read -ra nur <<<"${1#--nur=}"; shift ;;
        --liste) liste=true; shift ;;
        -h|--help) hilfe; exit 0 ;;
        *) echo "unbekannte Option: $1" >&2; hilfe >&2; exit 2 ;;
    esac
done
anzahl=${#fehler[@]}
if [ ${#nur[@]} -eq 0 ]; then nur=($(seq 1 "$anzahl")); fi
for n in "${nur[@]}"; do
    [[ $n =~ ^[0-9]+$ ]] && [ "$n" -ge 1 ] && [ "$n" -le "$anzahl" ] ||
        { echo "keine Fehlernummer: $n (1..$anzahl)" >&2; exit 2; }
done

# Replaces FIND by REPLACE in FILE; fails unless FIND is there exactly once.
ersetze() {
    python3 - "$@" <<'PY'
import sys
pfad, alt, neu = sys.argv[1:4]
with open(pfad, encoding="utf-8", newline="") as f:
    text = f.read()
n = text.count(alt) if "\n" not in alt and alt else 0
if n != 1:
    sys.exit(f"{pfad}: »{alt}« steht {n}-mal darin, nicht genau einmal")
with open(pfad, "w", encoding="utf-8", newline="") as f:
    f.write(text.replace(alt, neu))
PY
}

# Every fault must still fit the sources before anything is built.
pruefe() {
    local n=$1 i=$(($1 - 1)) t
    t=$(mktemp)
    cp "$quelle/${dateien[$i]}" "$t"
    local grund=
    if ! ersetze "$t" "${finden[$i]}" "${ersetzen[$i]}"; then
        grund="passt nicht"
    elif cmp -s "$t" "$quelle/${dateien[$i]}"; then
        grund="ändert nichts"
    fi
    rm -f "$t"
    [ -z "$grund" ] || { echo "Fehler $n $grund" >&2; return 1; }
}
ok=true
for n in "${nur[@]}"; do pruefe "$n" || ok=false; done
$ok || exit 1

zelle() { local s=${1//|/\\|}; printf '%s' "$s"; }
if $liste; then
    echo "| Nr | Layer | File | Fault | Find | Replace | Tests |"
    echo "|---:|---|---|---|---|---|---|"
    for n in "${nur[@]}"; do
        i=$((n - 1))
        printf '| %d | %s | %s | %s | `%s` | `%s` | %s |\n' "$n" "${schichten[$i]}" \
            "${dateien[$i]}" "$(zelle "${fehler[$i]}")" "$(zelle "${finden[$i]}")" \
            "$(zelle "${ersetzen[$i]}")" "$(zelle "${tests[$i]:-(all)}")"
    done
    exit 0
fi

# ---------------------------------------------------------------- copy and first build
beginn=$SECONDS
mkdir -p "$baum" "$bau"
# One run per copy: a second would change its files and its build under the first.
exec 9>"$ablage/sperre"
flock -n 9 || { echo "$ablage wird schon von einem anderen Lauf benutzt" >&2; exit 1; }
echo "== Kopie nach $baum"
# Only files whose content differs are copied, with the time of the copy: the kept build
# compiles just those (a file's own older time could hide a change the last build missed, or
# a fault a killed run left in place). Files gone from the tree go from the copy too.
dateiliste() { (cd "$1" && find . -path ./build -prune -o -path './build-*' -prune \
    -o -path ./.git -prune -o -type f -print | sort); }
comm -23 <(dateiliste "$baum") <(dateiliste "$quelle") | (cd "$baum" && xargs -r rm -f --)
dateiliste "$quelle" | while read -r f; do
    cmp -s "$quelle/$f" "$baum/$f" && continue
    mkdir -p "$(dirname "$baum/$f")"
    cp "$quelle/$f" "$baum/$f"
done
echo "== Bauen in $bau"
cmake -S "$baum" -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$ablage/cmake.log"
nice -n 19 cmake --build "$bau" -j2 >"$ablage/bau.log" 2>&1 ||
    { tail -30 "$ablage/bau.log"; echo "der unveränderte Baum baut nicht" >&2; exit 1; }

# Test names for a regex, and the build targets behind them.
testnamen() {
    (cd "$bau" && ctest -N -R "${1:-.}" -E "$langsam") |
        sed -n 's/^ *Test *#[0-9]*: //p'
}
ziele() {
    local t
    for t in "$@"; do
        case $t in
            replay_*) echo pistorelle-replay ;;
            schichtenpruefung) echo pistorelle_schichten ;;
            *) echo "$t" ;;
        esac
    done | sort -u
}

# The tree must pass before faults mean anything.
echo "== Tests ohne Fehler"
mapfile -t alle < <(for n in "${nur[@]}"; do testnamen "${tests[$((n - 1))]}"; done | sort -u)
regex="^($(IFS='|'; echo "${alle[*]}"))\$"
if ! (cd "$bau" && nice -n 19 ctest -j1 -R "$regex" >"$ablage/ohne-fehler.log" 2>&1); then
    grep -E '\*\*\*|Failed' "$ablage/ohne-fehler.log" | head
    echo "ohne Fehler schlagen schon Tests fehl: siehe $ablage/ohne-fehler.log" >&2
    exit 1
fi

# ---------------------------------------------------------------- one fault at a time
ergebnisse=()
zurueck() {
    # cp gives the file a new time, so the next build compiles it again.
    cp "$quelle/${dateien[$1]}" "$baum/${dateien[$1]}"
}
for n in "${nur[@]}"; do
    i=$((n - 1))
    start=$SECONDS
    mapfile -t namen < <(testnamen "${tests[$i]}")
    [ ${#namen[@]} -gt 0 ] || { echo "Fehler $n: kein Test passt zu ${tests[$i]}" >&2; exit 1; }
    trap 'zurueck '"$i"'; exit 130' INT TERM
    ersetze "$baum/${dateien[$i]}" "${finden[$i]}" "${ersetzen[$i]}"
    log=$ablage/fehler-$n.log
    if ! nice -n 19 cmake --build "$bau" -j2 --target $(ziele "${namen[@]}") >"$log" 2>&1; then
        ergebnis="does not build"
    else
        regex="^($(IFS='|'; echo "${namen[*]}"))\$"
        (cd "$bau" && nice -n 19 ctest -j1 --stop-on-failure --output-on-failure -R "$regex" \
            >>"$log" 2>&1) || true
        erster=$(sed -n 's/^ *[0-9]*\/[0-9]* *Test *#[0-9]*: \([^ ]*\) .*\*\*\*.*/\1/p' "$log" |
            head -1)
        ergebnis=${erster:+killed by $erster}
        ergebnis=${ergebnis:-survived}
    fi
    zurueck "$i"
    trap - INT TERM
    ergebnisse[$n]=$ergebnis
    printf '%3d  %-40s %s (%d s)\n' "$n" "${dateien[$i]}" "$ergebnis" $((SECONDS - start))
done
# The restored files build again, so the kept tree is whole for the next run.
nice -n 19 cmake --build "$bau" -j2 >/dev/null 2>&1 || true

# ---------------------------------------------------------------- table
getoetet=0 ueberlebt=0 baut_nicht=0
echo
echo "| Nr | Layer | File | Fault | Outcome |"
echo "|---:|---|---|---|---|"
for n in "${nur[@]}"; do
    i=$((n - 1))
    case ${ergebnisse[$n]} in
        killed*) getoetet=$((getoetet + 1)) ;;
        survived) ueberlebt=$((ueberlebt + 1)) ;;
        *) baut_nicht=$((baut_nicht + 1)) ;;
    esac
    printf '| %d | %s | %s | %s | %s |\n' "$n" "${schichten[$i]}" "${dateien[$i]}" \
        "$(zelle "${fehler[$i]}")" "${ergebnisse[$n]}"
done
gewertet=$((getoetet + ueberlebt))
echo
echo "Killed: $getoetet, survived: $ueberlebt, total: $gewertet" \
    "($((gewertet ? 100 * getoetet / gewertet : 0)) % killed); does not build: $baut_nicht"
dauer=$((SECONDS - beginn))
printf 'Time: %d:%02d:%02d\n' $((dauer / 3600)) $((dauer % 3600 / 60)) $((dauer % 60))
[ "$ueberlebt" -eq 0 ]
exit
}
