// The rules document shown in the main menu: German RTF in code page 1252,
// with bold headings, paragraphs and bullet lists.
#include "Assets.h"

#include <QStringList>

namespace gen {
namespace {

// The few code page 1252 characters above 0x7F that are not Latin-1.
const char* cp1252(ushort u) {
    switch (u) {
        case 0x201E: return "\\'84";
        case 0x201C: return "\\'93";
        case 0x2022: return "\\'95";
        case 0x2013: return "\\'96";
        default: return nullptr;
    }
}

// Escapes text for RTF: 1252 characters as \'xx, the rest as \uN with a '?'.
QByteArray escape(const QString& text) {
    QByteArray out;
    for (const QChar ch : text) {
        const ushort u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out.append('\\');
            out.append(char(u));
        } else if (u < 0x80) {
            out.append(char(u));
        } else if (u >= 0xA0 && u <= 0xFF) {
            out.append(QStringLiteral("\\'%1").arg(u, 2, 16, QLatin1Char('0')).toLatin1());
        } else if (const char* cp = cp1252(u)) {
            out.append(cp);
        } else {
            out.append(QStringLiteral("\\u%1?").arg(qint16(u)).toLatin1());
        }
    }
    return out;
}

class Rtf {
public:
    Rtf() {
        body_ =
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
            "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
            "{\\colortbl ;\\red0\\green128\\blue255;\\red18\\green38\\blue86;}\r\n";
    }
    void title(const QString& text) {
        body_ += "\\pard\\sa120\\cf1\\b\\fs28 " + escape(text) + "\\b0\\cf0\\fs20\\par\r\n";
    }
    void heading(const QString& text) {
        body_ += "\\pard\\sb120\\sa60\\cf2\\b\\fs22 " + escape(text) + "\\b0\\cf0\\fs20\\par\r\n";
    }
    void paragraph(const QString& text) { body_ += "\\pard\\sa80\\fs20 " + escape(text) + "\\par\r\n"; }
    void item(const QString& text) {
        body_ += "\\pard\\fi-240\\li360\\tx360\\sa40\\fs20 \\'95\\tab " + escape(text) + "\\par\r\n";
    }
    // A list entry with a bold lead.
    void item(const QString& lead, const QString& text) {
        body_ += "\\pard\\fi-240\\li360\\tx360\\sa40\\fs20 \\'95\\tab \\b " + escape(lead) + "\\b0  " + escape(text) +
                 "\\par\r\n";
    }
    QByteArray finish() { return body_ + "}\r\n"; }

private:
    QByteArray body_;
};

}  // namespace

void writeRules(const QString& dir) {
    Rtf r;
    r.title(QStringLiteral("Pigmentra – Spielanleitung"));
    r.paragraph(QStringLiteral(
        "Sie sind Lacktechniker. Ein Kunde wünscht eine Autofarbe, und Sie sollen sie zuerst im Labor "
        "nachmischen und dann in der Produktion als Batch tönen. Jede Handlung kostet Punkte – wer mit den "
        "wenigsten Punkten eine akzeptierte Charge ausliefert, steht oben in der Bestenliste."));

    r.heading(QStringLiteral("Spielbeginn"));
    r.paragraph(QStringLiteral(
        "Wählen Sie im Hauptmenü eine der 50 Autofarben aus dem Katalog und einen der drei "
        "Schwierigkeitslevel, geben Sie Ihren Namen ein und starten Sie mit „Játék“. Ein zweiter Klick auf "
        "die markierte Farbe hebt die Auswahl wieder auf."));
    r.item(QStringLiteral("Level 1:"),
           QStringLiteral("Rezepttoleranz 30, Chargentoleranz 12,5, keine Chargenabweichung."));
    r.item(QStringLiteral("Level 2:"),
           QStringLiteral("Rezepttoleranz 20, Chargentoleranz 7,5, Chargenabweichung bis etwa ±10 je Farbkanal."));
    r.item(QStringLiteral("Level 3:"),
           QStringLiteral("Rezepttoleranz 20, Chargentoleranz 7,5, Chargenabweichung bis etwa ±20 je Farbkanal."));

    r.heading(QStringLiteral("Im Labor"));
    r.item(
        QStringLiteral("Das Regal zeigt 16 Basisfarben. Ein Klick auf ein Farbfeld wählt die Basisfarbe aus: "
                       "neben der Tube erscheint der Schieberegler in ihrer Farbe, und der Farbstrahl aus der "
                       "Tube zeigt sie beim Dosieren."));
    r.item(
        QStringLiteral("Mit dem Schieberegler (0 bis 100) stellen Sie die Menge ein. Ein Klick auf den Topf "
                       "oder die Tube oder die Eingabetaste dosiert: Testblech und Topf zeigen die neue Mischung."));
    r.item(
        QStringLiteral("Ein Doppelklick auf ein Farbfeld setzt die Menge dieser Basisfarbe auf 0; beim nächsten "
                       "Dosieren ist sie aus der Mischung genommen."));
    r.item(QStringLiteral("Ein Rezept darf höchstens 8 Basisfarben enthalten."));
    r.item(
        QStringLiteral("Ein Klick auf das Farbmuster oder das Blech öffnet die Farbprüfung: beide Farben groß "
                       "nebeneinander, vertauschbar, mit Abstand und wechselndem Umfeld."));
    r.item(
        QStringLiteral("„A recept kész!“ reicht das Rezept ein. Es wird akzeptiert, wenn der Farbabstand "
                       "ΔE zum Muster nicht größer als die Rezepttoleranz ist. Sonst tönen Sie weiter."));

    r.heading(QStringLiteral("In der Produktion"));
    r.item(
        QStringLiteral("Das akzeptierte Rezept wird zu einem Batch von 10000 Einheiten. Die Hauptkomponente "
                       "(die Basisfarbe mit dem größten Anteil) wird nur zu 60 % dosiert; Basisfarben unter 1 % "
                       "entfallen. Sie müssen den Batch also nachtönen."));
    r.item(
        QStringLiteral("Der Schieberegler reicht von 0 bis 5000 Einheiten. Bis 12000 reicht er bei einer "
                       "gewählten Basisfarbe mit mehr als 5000 Einheiten und bei der Hauptkomponente, wenn sie vor "
                       "der Kürzung auf 60 % mehr als 5000 Einheiten hatte (mehr als die Hälfte des Rezepts): so "
                       "lässt sich jeder Batch auf sein Rezept zurücktönen. Mengen lassen sich nur erhöhen, nicht "
                       "verringern."));
    r.item(
        QStringLiteral("Der Chargenbehälter fasst 12000 Einheiten. Läuft er über, wird die Hälfte des Batches "
                       "entsorgt, alle Mengen halbieren sich, und der Überlauf kostet 5000 Punkte."));
    r.item(
        QStringLiteral("„Batch ausliefern“ übergibt den Batch der Qualitätssicherung. Dabei wirkt eine "
                       "verborgene Chargenabweichung, die für das ganze Spiel gleich bleibt. Der Batch wird "
                       "akzeptiert, wenn der Farbabstand nicht größer als die Chargentoleranz ist."));

    r.heading(QStringLiteral("Schwankende Basisfarben"));
    r.paragraph(QStringLiteral(
        "Alle 2 Minuten kommen neue Chargen der Basisfarben: ein Hinweis erscheint, und die Basisfarben "
        "verändern sich ein wenig. Die Farbfelder sehen gleich aus, aber Ihre Mischung ändert sich – prüfen "
        "Sie den Farbton und tönen Sie neu."));

    r.heading(QStringLiteral("Der Kundenmanager"));
    r.paragraph(QStringLiteral(
        "Wer zu lange dosiert, bekommt Besuch vom Kundenmanager. Er drängt zur Eile und kostet Punkte."));

    r.heading(QStringLiteral("Kosten"));
    r.item(QStringLiteral("Dosieren im Labor:"), QStringLiteral("100 Punkte"));
    r.item(QStringLiteral("Dosieren in der Produktion:"), QStringLiteral("700 Punkte"));
    r.item(QStringLiteral("Farbprüfung:"), QStringLiteral("200 Punkte"));
    r.item(QStringLiteral("Besuch des Kundenmanagers:"), QStringLiteral("500 Punkte"));
    r.item(QStringLiteral("Rezept einreichen:"), QStringLiteral("1000 Punkte"));
    r.item(QStringLiteral("Batch ausliefern:"), QStringLiteral("2000 Punkte"));
    r.item(QStringLiteral("Überlauf des Chargenbehälters:"), QStringLiteral("5000 Punkte"));

    r.heading(QStringLiteral("Bestenliste"));
    r.paragraph(QStringLiteral(
        "Wird ein Batch akzeptiert, kommen Ihr Name und Ihr Punktestand in die Bestenliste („Csúcsok“). "
        "Die niedrigste Punktzahl gewinnt. Wer das Spiel mit „Vissza“ oder „Vége“ verlässt, bekommt keinen "
        "Eintrag."));
    saveBytes(r.finish(), dir, DataFiles::RulesDocument);
}

}  // namespace gen
