#include "cli/BeamOptions.h"

#include <cctype>

#include "cli/SubcommandOptions.h"
#include "core/shared/Translate.h"

namespace zb {

namespace {

using Apply = BeamOption::Apply;

// A box typed into; what was given is kept, so that characters the form's
// rules drop can be named.
Apply Typing(void (*type)(HeadlessBeamForm&, const std::string&)) {
  return [type](BeamCall& call, const std::string& option, const std::string& text) {
    call.actions.push_back({[type, text](HeadlessBeamForm& form) { type(form, text); }, option, text});
  };
}

void ClickBand(BeamCall& call, const std::string&, const std::string& caption) {
  const int index = HeadlessBeamForm::BandIndexOf(caption);
  if (index < 0) throw UsageError{Fill(Tr("CommandLine", "Unbekanntes Band: %1"), {caption})};
  call.actions.push_back({[index](HeadlessBeamForm& form) { form.ClickBand(index); }, "", ""});
}

int SegmentIndex(const std::string& name) {
  if (name == "cw") return 0;
  if (name == "ssb") return 1;
  if (name == "mitte") return 2;
  return -1;
}

void ClickSegment(BeamCall& call, const std::string&, const std::string& segment) {
  const int index = SegmentIndex(segment);
  if (index < 0)
    throw UsageError{Fill(Tr("CommandLine", "Unbekannter Bandbereich: %1 (cw, ssb oder mitte)"), {segment})};
  call.actions.push_back({[index](HeadlessBeamForm& form) { form.ClickSegment(index); }, "", ""});
}

// Letters outside ASCII (UTF-8 bytes from 0x80 on) count as letters too.
bool BeginsWithLetter(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  const auto c = static_cast<unsigned char>(text[first]);
  return std::isalpha(c) || c >= 0x80;
}

// A name the list does not hold would lose every letter to the key filter
// and compute bare wire: a misspelt "PCV" is refused instead.
void EnterInsulation(BeamCall& call, const std::string& option, const std::string& text) {
  if (BeginsWithLetter(text) && HeadlessBeamForm::InsulationIndexOf(text) < 0)
    throw UsageError{Fill(Tr("CommandLine", "Unbekannte Isolierung: %1 (bekannt: %2)"),
                          {text, HeadlessBeamForm::InsulationNames()})};
  call.actions.push_back({[text](HeadlessBeamForm& form) { form.EnterInsulation(text); }, option, text});
}

void ChooseVariant(BeamCall& call, const std::string&, const std::string& variant) {
  if (variant != "2" && variant != "3")
    throw UsageError{Fill(Tr("CommandLine", "Bauvariante 2 oder 3 angeben, nicht %1"), {variant})};
  call.dreiQuertraeger = variant == "3";
}

const std::vector<BeamOption>& Options() {
  static const std::vector<BeamOption> options{
      {{"--frequenz", "TEXT",
        TrMark("CommandLine", "Resonanzfrequenz in MHz eintippen (höchstens 7 Zeichen)")},
       Typing([](HeadlessBeamForm& f, const std::string& t) { f.TypeFrequency(t); })},
      {{"--band", "BAND",
        TrMark("CommandLine", "Bandknopf anklicken: 1.8 3.5 7.0 10 14 18 21 24 28 50 andere")},
       ClickBand},
      {{"--segment", "cw|ssb|mitte",
        TrMark("CommandLine", "Resonanz im Band für CW-Bereich, SSB-Bereich oder Bandmitte")},
       ClickSegment},
      {{"--vk", "TEXT", TrMark("CommandLine", "Verkürzungsfaktor eintippen und das Feld verlassen")},
       Typing([](HeadlessBeamForm& f, const std::string& t) { f.TypeVelocityFactor(t); })},
      {{"--isolierung", "TEXT",
        TrMark(
            "CommandLine",
            "relative Dielektrizitätszahl: Zahl oder Listeneintrag, z. B. \"2,2   PTFE GY\" oder kurz \"PTFE "
            "GY\" "
            "(auch \"ptfe gy\"; ein Name, der nicht in der Liste steht, ist ein falscher Aufruf)")},
       EnterInsulation},
      {{"--aussen", "TEXT", TrMark("CommandLine", "Außendurchmesser des isolierten Drahtes in mm")},
       Typing([](HeadlessBeamForm& f, const std::string& t) { f.TypeOuterDiameter(t); })},
      {{"--leiter", "TEXT",
        TrMark("CommandLine",
               "Leiterdurchmesser in mm (der Außendurchmesser bleibt mindestens 0,1 mm größer)")},
       Typing([](HeadlessBeamForm& f, const std::string& t) { f.TypeConductorDiameter(t); })},
      {{"--variante", "2|3",
        TrMark("CommandLine",
               "Bauvariante: 2 Querträger mit Spannseil oder 3 Querträger ohne Spannseil (Vorgabe)")},
       ChooseVariant},
      {{"--vf-hoehe", "TEXT",
        TrMark(
            "CommandLine",
            "wie ein Verkürzungsfaktor-Fenster mit fertiger Berechnung: Antennenhöhe in m (nur zusammen mit "
            "--vf-durchmesser)")},
       [](BeamCall& c, const std::string&, const std::string& v) { c.vfHeight = v; }},
      {{"--vf-durchmesser", "TEXT", TrMark("CommandLine", "dazu der Drahtdurchmesser in mm")},
       [](BeamCall& c, const std::string&, const std::string& v) { c.vfDiameter = v; }},
      {{"--erdbodenkorrektur", "", TrMark("CommandLine", "dazu mit Erdbodenkorrektur")},
       [](BeamCall& c, const std::string&, const std::string&) { c.groundCorrection = true; }},
      {{"--ja", "",
        TrMark("CommandLine",
               "Frage nach einer Dielektrizitätszahl über 20 mit Ja beantworten (sonst Nein)")},
       [](BeamCall& c, const std::string&, const std::string&) { c.answerYes = true; }},
      {{"--json", "", TrMark("CommandLine", "statt der Zusammenfassung alle Werte als JSON ausgeben")},
       [](BeamCall& c, const std::string&, const std::string&) { c.json = true; }},
      {{"--streng", "",
        TrMark("CommandLine",
               "Eingaben ablehnen (Rückgabewert 2), von denen das Fenster Zeichen verwerfen oder abschneiden "
               "würde")},
       [](BeamCall& c, const std::string&, const std::string&) { c.strict = true; }},
      {{"--help", "", TrMark("CommandLine", "diese Hilfe")},
       [](BeamCall& c, const std::string&, const std::string&) { c.help = true; }},
  };
  return options;
}

const BeamOption* OptionNamed(const std::string& name) {
  if (name == "-h") return OptionNamed("--help");
  for (const BeamOption& option : Options())
    if (option.row.option == name) return &option;
  return nullptr;
}

}  // namespace

const UsageSection& BeamUsage() {
  static const UsageSection section = [] {
    UsageSection s{
        "",
        {TrMark("CommandLine",
                "Berechnet einen Zelvar-Beam nach Kalvex wie das Eingabefenster \"Berechnung eines "
                "Zelvar-Beam nach "
                "Kalvex\": Die Optionen wirken wie Eingaben in ein frisch geöffnetes Fenster, in der "
                "angegebenen "
                "Reihenfolge; danach wird einmal \"Rechnen\" gedrückt. Die Ergebnistabelle wird als "
                "\"Zelvar-Beam.txt\" "
                "(Windows-1252) ins Arbeitsverzeichnis geschrieben, die Zusammenfassung erscheint auf der "
                "Standardausgabe."),
         TrMark(
             "CommandLine",
             "In die Zahlenfelder lassen sich wie im Fenster nur Ziffern, Komma und Punkt tippen; andere "
             "Zeichen "
             "werden "
             "verworfen, und was über die Länge des Feldes hinausgeht, wird abgeschnitten. Welche Option "
             "dabei "
             "Zeichen "
             "verloren hat und was stattdessen getippt wurde, steht auf der Fehlerausgabe (z. B. --frequenz: "
             "„1e3“ "
             "getippt als „13“); --streng lehnt solche Eingaben mit Rückgabewert 2 ab. Ein leerer Text leert "
             "das "
             "Feld."),
         TrMark("CommandLine",
                "Jeder Hinweis, den eine Feldregel oder die Berechnung in das Hinweisfeld des Fensters "
                "schreibt (z. "
                "B. "
                "\"Bitte einen Verkürzungsfaktor von 0 - 1,0 !(typisch 0,946) eintragen\"), steht auf der "
                "Fehlerausgabe. "
                "Was das Fenster rot zeigt (ein Verkürzungsfaktor unter 0,8), ist in der Textausgabe "
                "markiert, z. "
                "B. "
                "\"(rot: unter 0,8)\".")},
        {},
        {TrMark("CommandLine",
                "Das Dezimaltrennzeichen folgt der Spracheinstellung (LC_ALL, LC_NUMERIC, LANG)."),
         TrMark(
             "CommandLine",
             "Rückgabewerte: 0 Berechnung vollständig, 1 Berechnung vorzeitig beendet (Hinweis oder Frage "
             "auf "
             "der "
             "Fehlerausgabe), 2 falscher Aufruf oder mit --streng eine verworfene Eingabe, 3 Laufzeitfehler "
             "(Nummer und Beschreibung auf der Fehlerausgabe; es wird "
             "nichts halb geschrieben)."),
         TrMark("CommandLine",
                "Die Nebenrechner sind eigene Befehle: vk (Verkürzungsfaktor schätzen), pruning "
                "(Antennen-Pruning/"
                "Optimieren), zusatzdipol (strahlungsgekoppelter Zusatzdipol) und messung (Messdatei eines "
                "Antennenanalysators auswerten); ihre Optionen zeigt zelvar-beam-cli BEFEHL --help."),
         TrMark("CommandLine",
                "geraete listet die angeschlossenen Antennenanalysatoren; mit messung --geraet misst einer "
                "selbst.")},
    };
    for (const BeamOption& option : Options()) s.rows.push_back(option.row);
    return s;
  }();
  return section;
}

BeamCall ReadBeamCall(const std::vector<std::string>& args) {
  BeamCall call;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const BeamOption* option = OptionNamed(args[i]);
    if (!option) throw UsageError{Fill(Tr("CommandLine", "Unbekannte Option: %1"), {args[i]})};
    std::string value;
    if (!option->row.argument.empty()) {
      if (i + 1 >= args.size())
        throw UsageError{Fill(Tr("CommandLine", "Zur Option %1 fehlt der Wert."), {args[i]})};
      value = args[++i];
    }
    option->apply(call, std::string(option->row.option), value);
  }
  if (call.vfHeight.has_value() != call.vfDiameter.has_value() || (call.groundCorrection && !call.vfHeight))
    throw UsageError{VfWindowOptionsApart()};
  return call;
}

}  // namespace zb
