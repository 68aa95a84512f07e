// The window in Italian and in English: every caption, tool tip and accessible name of the window model
// has its English text, the English window leaves nothing Italian, the language switches back and forth
// while the window is up without touching what the fields hold, the access keys stay unique and click the
// right button, and Qt's own texts follow the language. The same for the Smith chart window, down to what
// it draws and the file dialogs it opens.
#include "harness.h"

#include "app/chart/chartwindow.h"
#include "app/chart/smithchart.h"
#include "app/help/help.h"
#include "app/import/touchstoneimport.h"
#include "touchstone/touchstone.h"
#include "wiring/import.h"

#include "ui/controlset.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QUrl>

#include <fstream>

#include <map>
#include <set>

using harness::Operator;
using harness::Started;

namespace {

bool isCaption(const ui::Control& c) {
    return c.kind == ui::Kind::Label || c.kind == ui::Kind::Frame || c.kind == ui::Kind::CommandButton ||
           c.kind == ui::Kind::OptionButton;
}

// Every text of the model that the window shows as a caption, tool tip or accessible name.
std::vector<std::string> modelTexts() {
    std::vector<std::string> texts{ui::kResultDescription};
    for (const ui::Control& c : ui::controlSet())
        for (const std::string* t : {isCaption(c) ? &c.text : nullptr, &c.toolTip, &c.accessibleName})
            if (t && !t->empty())
                texts.push_back(*t);
    return texts;
}

// Texts that read the same in both languages: units, symbols and words English already uses.
const std::set<QString> kSameInBoth = {"R ohm:",
                                       "X ohm:",
                                       "R ohm",
                                       "X ohm",
                                       "Vrms",
                                       "Vpp",
                                       "Vp",
                                       "Watt",
                                       "dBm",
                                       "R0 ohm:",
                                       "X0 ohm:",
                                       "R0 ohm",
                                       "X0 ohm",
                                       "Input Z",
                                       "Input Z R ohm",
                                       "Input Z X ohm",
                                       "Output Z",
                                       "Output Z R ohm",
                                       "Output Z X ohm",
                                       "IN Vrms",
                                       "IN Vp",
                                       "IN Vpp",
                                       "Input V",
                                       "Output V",
                                       "OUT Vrms",
                                       "OUT Vp",
                                       "OUT Vpp",
                                       "Input A:",
                                       "Input A",
                                       "Output A:",
                                       "Output A",
                                       "R:",
                                       "I:",
                                       "&?",
                                       "X:",
                                       "MHz:",
                                       "MHz",
                                       "watt:",
                                       "watt",
                                       "Auto",
                                       "Z:",
                                       "Z ohm",
                                       "V.F.:",
                                       "V.F."};

// Italian words of the window's texts that English does not use.
const std::set<QString> kItalianWords = {"di",
                                         "della",
                                         "delle",
                                         "dello",
                                         "del",
                                         "dei",
                                         "dalla",
                                         "dall",
                                         "e",
                                         "ed",
                                         "il",
                                         "la",
                                         "lo",
                                         "per",
                                         "con",
                                         "coi",
                                         "alla",
                                         "ad",
                                         "un",
                                         "una",
                                         "su",
                                         "sulla",
                                         "sul",
                                         "o",
                                         "oppure",
                                         "calcolo",
                                         "calcola",
                                         "inserire",
                                         "tensione",
                                         "potenza",
                                         "corrente",
                                         "parte",
                                         "reale",
                                         "immag",
                                         "immaginaria",
                                         "misurata",
                                         "misurate",
                                         "misurato",
                                         "riferimento",
                                         "dati",
                                         "ausiliari",
                                         "confronto",
                                         "comparazione",
                                         "compara",
                                         "perdite",
                                         "accordatore",
                                         "spostamento",
                                         "direzione",
                                         "numero",
                                         "cicli",
                                         "linea",
                                         "linee",
                                         "trasmissione",
                                         "cavo",
                                         "metri",
                                         "risultato",
                                         "risultati",
                                         "sola",
                                         "lettura",
                                         "connettere",
                                         "porta",
                                         "leggere",
                                         "scambio",
                                         "gradi",
                                         "garantiti",
                                         "ricavare",
                                         "impedenza",
                                         "frequenza",
                                         "resistenza",
                                         "reattanza",
                                         "fattore",
                                         "velocità",
                                         "ricetrasmettitore",
                                         "prima",
                                         "seconda",
                                         "vuota",
                                         "può",
                                         "essere",
                                         "entrata",
                                         "uscita",
                                         "verso",
                                         "quando",
                                         "elettrico",
                                         "fisico",
                                         "carta",
                                         "giri",
                                         "negativi",
                                         "mentre",
                                         "quello",
                                         "pot",
                                         "dir",
                                         "rtx",
                                         "all'",
                                         "dall'",
                                         "l'",
                                         "d'"};

// Italian words of the chart window's texts.
const std::set<QString> kChartItalianWords = {
    "da",      "dal",        "nella",     "come",     "lungo",    "punto",    "lontano",  "ingresso",
    "griglia", "ammettenze", "cerchi",    "rif",      "esporta",  "immagine", "disegno",  "adattamento",
    "banda",   "salva",      "spostato",  "sorgente", "digitata", "reti",     "elemento", "parallelo",
    "lato",    "carico",     "importare", "pannello", "vedere",   "perdita",  "totale",   "cursore"};

// Italian words of the guide window's and the help boxes' texts.
const std::set<QString> kHelpItalianWords = {
    "guida",      "trova",        "precedente",  "successivo",    "chiudi",      "chiude",    "ricerca",
    "trovato",    "informazioni", "calcolatore", "alimentazione", "accordatori", "libero",    "versione",
    "successiva", "nessuna",      "garanzia",    "potuto",        "aprire",      "indirizzo", "apri",
    "integrata",  "testo",        "cui",         "maiusc",        "invio"};

// The Italian words of a text, if any.
QStringList italianWordsOf(QString text) {
    text.remove(QLatin1Char('&'));
    QStringList found;
    static const QRegularExpression words(QStringLiteral("\\p{L}+'?")); // "all'" is one Italian word
    for (auto it = words.globalMatch(text); it.hasNext();)
        if (const QString word = it.next().captured(); kItalianWords.count(word.toLower()) ||
                                                       kChartItalianWords.count(word.toLower()) ||
                                                       kHelpItalianWords.count(word.toLower()))
            found << word;
    return found;
}

// The caption a widget shows, if it shows one.
QString captionOf(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    return QString();
}

// The access key of a caption: the character after a single "&", upper case; none without one.
QChar accessKeyOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toUpper();
        ++i; // "&&" is a plain "&"
    }
    return QChar();
}

// The menu bar's menus and the actions in them.
QList<QAction*> menuActions(const Started& s) {
    QList<QAction*> actions;
    for (QAction* m : s.mainWindow->menuBar()->actions()) {
        actions << m;
        if (m->menu())
            actions << m->menu()->actions();
    }
    return actions;
}

// Everything the application window shows as text of its own, for the operator or a screen reader: the
// form's captions, tool tips and accessible names, the window title and the menus.
QStringList shownTexts(const Started& s) {
    QStringList texts{s.mainWindow->windowTitle()};
    for (QWidget* w : s.window->findChildren<QWidget*>())
        texts << captionOf(w) << w->toolTip() << w->accessibleName() << w->accessibleDescription();
    for (QAction* a : menuActions(s))
        texts << a->text() << a->toolTip();
    texts.removeAll(QString());
    return texts;
}

// The menu action that chooses a language.
QAction* languageAction(const Started& s, const QString& code) {
    for (QAction* a : menuActions(s))
        if (a->isCheckable() && a->data().toString() == code)
            return a;
    return nullptr;
}

struct LanguageGuard { // the next test starts from the language the harness chose
    ~LanguageGuard() { app::setLanguage(harness::testLanguage()); }
};

// The texts a painting draws, read back from the SVG drawing of it.
QStringList drawnTexts(const std::function<void(QPainter&)>& paint, QSize size) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    QPainter p(&svg);
    paint(p);
    p.end();
    QStringList texts;
    static const QRegularExpression text(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    for (auto it = text.globalMatch(QString::fromUtf8(buffer.data())); it.hasNext();)
        texts << it.next()
                     .captured(1)
                     .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                     .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
                     .replace(QStringLiteral("&amp;"), QStringLiteral("&"))
                     .trimmed();
    return texts;
}

// Everything the chart window shows as text of its own: captions, tool tips, accessible names, tabs, the
// list of sources, the designs' tool tips, the markers' tool tips, and what the chart and the band plots
// draw. Not what is computed (the readout, the designs, the stub: English in both languages) and not what
// the fields hold.
QStringList chartTexts(app::ChartWindow* c) {
    const QList<QWidget*> results{c->readoutLabel(), c->stubLabel(), c->matchMessage()};
    QStringList texts{c->windowTitle()};
    for (QWidget* w : c->findChildren<QWidget*>()) {
        if (!results.contains(w))
            texts << captionOf(w);
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
    }
    for (int i = 0; i < c->tabs()->count(); ++i)
        texts << c->tabs()->tabText(i) << c->tabs()->tabToolTip(i);
    for (QComboBox* box : c->findChildren<QComboBox*>())
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
    for (int i = 0; i < c->designList()->count(); ++i)
        texts << c->designList()->item(i)->toolTip();
    for (int i = 0; i < int(c->chart()->content().markers.size()); ++i)
        texts << c->chart()->markerToolTip(i);
    for (QWidget* view : {static_cast<QWidget*>(c->chart()), static_cast<QWidget*>(c->plots())}) {
        const QSize size(500, 500);
        texts << drawnTexts(
            [&](QPainter& p) {
                const QRectF all(QPointF(0, 0), QSizeF(size));
                if (view == c->chart())
                    c->chart()->render(p, all, view->palette());
                else
                    c->plots()->render(p, all, view->palette());
            },
            size);
    }
    texts.removeAll(QString());
    return texts;
}

// The texts of the dialog or message box that `open` shows modally, which is then cancelled: its title,
// captions and tool tips, a box's texts without their markup, a file dialog's filters and file name.
QStringList modalTexts(const std::function<void()>& open) {
    QStringList texts;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&texts] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible() || !texts.isEmpty())
            return;
        texts << d->windowTitle();
        for (QWidget* w : d->findChildren<QWidget*>())
            texts << captionOf(w) << w->toolTip();
        if (auto* box = qobject_cast<QMessageBox*>(d)) {
            static const QRegularExpression markup(QStringLiteral("<[^>]*>"));
            texts << QString(box->text()).replace(markup, QStringLiteral(" "))
                  << QString(box->informativeText()).replace(markup, QStringLiteral(" "));
        }
        if (auto* files = qobject_cast<QFileDialog*>(d)) {
            texts << files->nameFilters();
            if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                texts << name->text();
        }
        d->reject();
    });
    timer.start();
    open();
    texts.removeAll(QString());
    return texts;
}

// What a dialog shows as text of its own: its title, captions, tool tips and accessible names.
QStringList dialogTexts(QWidget* dialog) {
    QStringList texts{dialog->windowTitle()};
    for (QWidget* w : dialog->findChildren<QWidget*>())
        texts << captionOf(w) << w->toolTip() << w->accessibleName();
    texts.removeAll(QString());
    return texts;
}

// The chart window of a started window, showing all it can: every marker, a design, the band of a
// sweep imported into the line panel and moved along the line.
app::ChartWindow* fullChart(Started& s, const QTemporaryDir& dir) {
    const std::string sweep = dir.filePath(QStringLiteral("dipole.s1p")).toStdString();
    std::ofstream(sweep) << "# MHz S RI R 50\n14.0 0.26 -0.39\n14.2 0.11 0.05\n14.4 0.37 0.36\n";
    app::ChartWindow* c = app::openSmithChart(*s.mainWindow);
    if (!c || !wiring::importMeasurement(s.form, wiring::ImportTarget::Line, 14.2, sweep))
        return nullptr;
    s.form.setValue("HScroll1", 90); // the line moved by 90 degrees: its markers, its path, its band
    if (!QTest::qWaitFor([c] { return !c->plots()->samples().empty(); }))
        return nullptr;
    c->setMatchSource(app::MatchSource::LineFar);
    if (c->designs().empty())
        return nullptr;
    c->selectDesign(0);
    c->setPicture({{"point", {50, 50}},
                   {"line.measured", {30, 10}},
                   {"line.far", {60, -20}},
                   {"tuner.antenna", {20, 5}},
                   {"tuner.input", {45, 0}}},
                  c->chart()->content().linePath);
    return c;
}

// The captions of the chart window that carry access keys: its labels, boxes, buttons and tabs.
QStringList chartCaptions(app::ChartWindow* c) {
    QStringList captions;
    for (QWidget* w : c->findChildren<QWidget*>())
        captions << captionOf(w);
    for (int i = 0; i < c->tabs()->count(); ++i)
        captions << c->tabs()->tabText(i);
    return captions;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
  private slots:
    void everyModelTextHasAnEnglishTranslation() {
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(":/i18n/window_en.qm")));
        int checked = 0;
        for (const std::string& text : modelTexts()) {
            const QString translated = english.translate(app::kWindowContext, text.c_str());
            QVERIFY2(!translated.isEmpty(), text.c_str());
            const QString source = QString::fromStdString(text);
            // Only units and symbols may stay as they are; every English text is free of Italian words.
            QVERIFY2(translated != source || kSameInBoth.count(source), text.c_str());
            QVERIFY2(italianWordsOf(translated).isEmpty(), qPrintable(translated));
            // A caption keeps exactly one access key where the Italian has one.
            QCOMPARE(accessKeyOf(translated).isNull(), accessKeyOf(source).isNull());
            ++checked;
        }
        QVERIFY(checked > 100);
    }

    // The word list itself catches the Italian texts: every Italian text but units and symbols has one.
    void theItalianWordsCatchEveryItalianText() {
        for (const std::string& text : modelTexts()) {
            const QString source = QString::fromStdString(text);
            if (!kSameInBoth.count(source))
                QVERIFY2(!italianWordsOf(source).isEmpty(), text.c_str());
        }
    }

    void englishWindowShowsNoItalian() {
        LanguageGuard guard;
        app::setLanguage(app::Language::English);
        Started s([](ui::Form&) { app::setLanguage(app::Language::English); });
        s.form.setVisible("Label36", true); // the line warning too
        const QStringList texts = shownTexts(s);
        QVERIFY(texts.size() > 150);
        for (const QString& text : texts)
            QVERIFY2(italianWordsOf(text).isEmpty(), qPrintable(text));
        QCOMPARE(s.as<QAbstractButton>("Command1")->text(), QStringLiteral("CALCULATE &POWER AND CURRENT"));
        QCOMPARE(s.w("Text27")->toolTip(), QStringLiteral("Enter the velocity factor of the line."));
        QCOMPARE(s.w("Text6")->accessibleName(), QStringLiteral("Forward power W"));
        QCOMPARE(s.w("Text4")->accessibleDescription(), QStringLiteral("Result, read only"));
        // What the fields hold is no caption: the cable keeps its name.
        QCOMPARE(s.as<QComboBox>("Combo2")->currentText(), QStringLiteral("Messi e Paoloni Pota-Flex 6"));
    }

    // The menu switches the shown texts at once, both ways; the fields and the results stay as they were.
    void switchingChangesEveryTextAndNothingElse() {
        LanguageGuard guard;
        app::setLanguage(app::Language::Italian);
        Started s;
        Operator op;
        QVERIFY(s.active());
        s.form.setText("Text7", "50");
        s.form.setText("Text10", "100");
        s.clickOn("Command2");
        const std::string result = s.form.text("Text3");
        QVERIFY(!result.empty());
        std::map<std::string, QString> italian;
        for (const ui::Control& c : s.form.controls())
            if (QWidget* w = s.w(c.name.c_str()))
                italian[c.name] = captionOf(w) + '|' + w->toolTip() + '|' + w->accessibleName();

        for (int round = 0; round < 2; ++round) {
            languageAction(s, "en")->trigger();
            for (const QString& text : shownTexts(s))
                QVERIFY2(italianWordsOf(text).isEmpty(), qPrintable(text));
            QCOMPARE(s.as<QAbstractButton>("Command9")->text(), QStringLiteral("POWER E&XCHANGE"));
            QCOMPARE(s.mainWindow->viewMenu()->title(), QStringLiteral("&View"));
            QVERIFY(languageAction(s, "en")->isChecked());

            languageAction(s, "it")->trigger(); // the "Lingua / Language" menu
            QCOMPARE(app::currentLanguage(), app::Language::Italian);
            QVERIFY(languageAction(s, "it")->isChecked());
            QCOMPARE(s.mainWindow->viewMenu()->title(), QStringLiteral("&Visualizza"));
            for (const ui::Control& c : s.form.controls()) {
                QWidget* w = s.w(c.name.c_str());
                if (!w)
                    continue;
                QCOMPARE(captionOf(w) + '|' + w->toolTip() + '|' + w->accessibleName(), italian[c.name]);
                if (isCaption(c))
                    QCOMPARE(captionOf(w), QString::fromStdString(c.text)); // the model's own caption
            }
        }
        QCOMPARE(s.form.text("Text3"), result);
        QCOMPARE(s.form.text("Text10"), std::string("100"));
        QCOMPARE(s.as<QLineEdit>("Text10")->text(), QStringLiteral("100"));
        QVERIFY(op.seen().empty());
    }

    // Within the window no two captions share an access key, in either language; in English the keys
    // that differ from the Italian ones click their own buttons through the model.
    void accessKeysAreUniqueAndWork() {
        LanguageGuard guard;
        for (app::Language language : {app::Language::Italian, app::Language::English}) {
            app::setLanguage(language);
            Started s([language](ui::Form&) { app::setLanguage(language); });
            std::map<QChar, QString> keys;
            QStringList captions;
            for (QWidget* w : s.window->findChildren<QWidget*>())
                captions << captionOf(w);
            for (QAction* menu : s.mainWindow->menuBar()->actions())
                captions << menu->text();
            for (const QString& caption : captions) {
                const QChar key = accessKeyOf(caption);
                if (key.isNull())
                    continue;
                const auto [at, fresh] = keys.emplace(key, caption);
                QVERIFY2(fresh, qPrintable(caption + QStringLiteral(" / ") + at->second));
            }
            QCOMPARE(keys.size(), std::size_t{9 + 5}); // the buttons and the menus
        }
        app::setLanguage(app::Language::English);
        Started s([](ui::Form&) { app::setLanguage(app::Language::English); });
        Operator op;
        QVERIFY(s.active());
        s.form.setText("Text23", "75");
        s.form.setText("Text24", "25");
        s.form.setValue("HScroll1", 90);
        const std::string before = s.form.text("Text22");
        QVERIFY(!before.empty());
        QTest::keyClick(s.window, Qt::Key_X, Qt::AltModifier); // "POWER E&XCHANGE" runs the line
        QCOMPARE(s.focusedControl(), std::string("Command9"));
        QVERIFY(!s.form.text("Text22").empty());
        QVERIFY(s.form.text("Text22") != before); // at another power
        QVERIFY(op.seen().empty());
        QTest::keyClick(s.window, Qt::Key_Z, Qt::AltModifier); // the Italian key is no key in English
        QCOMPARE(s.focusedControl(), std::string("Command9"));
        QTest::keyClick(s.window, Qt::Key_T, Qt::AltModifier); // "CALCULATE VOL&TAGE AND CURRENT"
        QCOMPARE(s.focusedControl(), std::string("Command2"));
    }

    // Qt's own texts (here a field's context menu) follow: Italian window, Italian menu.
    void qtOwnTextsFollowTheLanguage() {
        LanguageGuard guard;
        const std::pair<app::Language, QString> cases[] = {{app::Language::Italian, QStringLiteral("Copia")},
                                                           {app::Language::English, QStringLiteral("Copy")}};
        for (const auto& [language, copy] : cases) {
            app::setLanguage(language);
            QLineEdit field;
            std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
            QStringList items;
            for (QAction* a : menu->actions())
                items << a->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
            QVERIFY2(items.contains(copy), qPrintable(items.join(QStringLiteral(", "))));
        }
    }

    // The chart window in English shows no Italian, drawn texts and file dialogs included; the menu
    // switches it back and forth at once, keeping what it shows and what the operator chose.
    void chartWindowFollowsTheLanguage() {
        LanguageGuard guard;
        app::setLanguage(app::Language::Italian);
        Started s;
        Operator op;
        QTemporaryDir dir;
        app::ChartWindow* c = fullChart(s, dir);
        QVERIFY(c);
        const QStringList italian = chartTexts(c);
        QStringList caught; // the word list sees the Italian texts in every part of the window
        for (const QString& text : italian)
            if (!italianWordsOf(text).isEmpty())
                caught << text;
        for (const char* part :
             {"Carta di Smith", "Ada&ttamento", "Linea: punto lontano", "Sweep spostato",
              "Perdita totale (dB) - MHz", "lontano", "Elemento in parallelo dal lato del carico"})
            QVERIFY2(caught.contains(QString::fromUtf8(part)), part);
        QVERIFY2(caught.size() >= 30, qPrintable(caught.join(QStringLiteral(" | "))));
        QPushButton* png = nullptr;
        for (QPushButton* b : c->findChildren<QPushButton*>())
            if (b->text().remove(QLatin1Char('&')) == QStringLiteral("PNG..."))
                png = b;
        QVERIFY(png);
        const auto designs = c->designs().size();
        const app::Complex farZ = c->matchInputs().typedZ; // the far point's impedance, shown

        for (int round = 0; round < 2; ++round) {
            languageAction(s, "en")->trigger();
            const QStringList english = chartTexts(c);
            QCOMPARE(english.size(), italian.size());
            for (const QString& text : english)
                QVERIFY2(italianWordsOf(text).isEmpty(), qPrintable(text));
            QCOMPARE(c->windowTitle(), QStringLiteral("Smith Chart"));
            QCOMPARE(c->tabs()->tabText(0), QStringLiteral("Ma&tching"));
            QVERIFY(english.contains(QStringLiteral("Line: far point")));       // the source and the legend
            QVERIFY(english.contains(QStringLiteral("Total loss (dB) - MHz"))); // a plot's title
            const QStringList exportDialog = modalTexts([png] { png->click(); });
            const QStringList saveDialog = modalTexts([c] { emit c->saveMovedSweepRequested(); });
            QVERIFY(exportDialog.contains(QStringLiteral("smith-chart.png")));
            QVERIFY(exportDialog.contains(QStringLiteral("PNG (*.png)")));
            QVERIFY(saveDialog.contains(QStringLiteral("Save Moved Sweep")));
            for (const QString& text : exportDialog + saveDialog)
                QVERIFY2(italianWordsOf(text).isEmpty(), qPrintable(text));

            languageAction(s, "it")->trigger();
            QCOMPARE(chartTexts(c), italian);
            QVERIFY(modalTexts([png] { png->click(); }).contains(QStringLiteral("carta-smith.png")));
        }
        QCOMPARE(c->matchInputs().source, app::MatchSource::LineFar);
        QCOMPARE(c->designs().size(), designs);
        QCOMPARE(c->designList()->currentRow(), 0);
        QCOMPARE(c->matchInputs().typedZ, farZ);
        QVERIFY(op.seen().empty());
    }

    // The dialogs of the menus in English: the import's file dialog and the import dialog itself. The
    // same dialogs in Italian show the words the walk looks for.
    void englishDialogsShowNoItalian() {
        LanguageGuard guard;
        const touchstone::Network sweep =
            touchstone::parse("# MHz S RI R 50\n14.0 0.26 -0.39\n14.4 0.37 0.36\n", "dipole.s1p");
        for (app::Language language : {app::Language::Italian, app::Language::English}) {
            app::setLanguage(language);
            Started s([language](ui::Form&) { app::setLanguage(language); });
            const QStringList open =
                modalTexts([&s] { s.mainWindow->fileMenu()->actions().front()->trigger(); });
            app::TouchstoneImportDialog importDialog(sweep, 14.2, wiring::ImportTarget::Line);
            const QStringList import = dialogTexts(&importDialog);
            QVERIFY(import.size() > 8);
            int italian = 0;
            for (const QString& text : open + import)
                italian += italianWordsOf(text).isEmpty() ? 0 : 1;
            if (language == app::Language::Italian) {
                QVERIFY2(italian >= 6, qPrintable((open + import).join(QStringLiteral(" | "))));
            } else {
                for (const QString& text : open + import)
                    QVERIFY2(italianWordsOf(text).isEmpty(), qPrintable(text));
                QVERIFY(open.contains(QStringLiteral("Import Touchstone Measurement")));
                QVERIFY(import.contains(QStringLiteral("Frequency (MHz):")));
            }
        }
    }

    // The guide window (F1) switches with the menu while it is open; the "Informazioni" box and the box
    // of the "?" button when the desktop cannot open the guide's address are in the language of the moment.
    void helpFollowsTheLanguage() {
        LanguageGuard guard;
        app::setLanguage(app::Language::Italian);
        Started s;
        app::GuideWindow* guide = app::openGuide(*s.mainWindow);
        QVERIFY(guide);
        guide->startFind();
        guide->findField()->setText(QStringLiteral("zqxzqx"));
        guide->findNext();
        QVERIFY(guide->notFound()); // "Non trovato" beside the find field
        QAction* about = nullptr;
        for (QAction* a : s.mainWindow->helpMenu()->actions())
            if (a->menuRole() == QAction::AboutRole)
                about = a;
        QVERIFY(about);
        s.ports.setOpener([](const QUrl&) { return false; }); // the desktop cannot open the guide
        const auto boxes = [&s, about] {
            return modalTexts([about] { about->trigger(); }) + modalTexts([&s] { s.clickOn("Command7"); });
        };
        const QStringList italianGuide = dialogTexts(guide);
        const QStringList italianBoxes = boxes();
        int caught = 0;
        for (const QString& text : italianGuide + italianBoxes)
            caught += italianWordsOf(text).isEmpty() ? 0 : 1;
        QVERIFY2(caught >= 10, qPrintable((italianGuide + italianBoxes).join(QStringLiteral(" | "))));

        languageAction(s, "en")->trigger();
        const QStringList english = dialogTexts(guide) + boxes();
        for (const QString& text : english)
            QVERIFY2(italianWordsOf(text).isEmpty(), qPrintable(text));
        QCOMPARE(guide->windowTitle(), QStringLiteral("HamLineCalc Guide"));
        QVERIFY(english.contains(QStringLiteral("About HamLineCalc")));
        QVERIFY(english.contains(QStringLiteral("Open the built-in guide")));

        languageAction(s, "it")->trigger();
        QCOMPARE(dialogTexts(guide), italianGuide);
    }

    // In the chart window too no two captions share an access key, in either language, and a caption's
    // key takes the focus to its field.
    void chartAccessKeysAreUniqueAndWork() {
        LanguageGuard guard;
        for (app::Language language : {app::Language::Italian, app::Language::English}) {
            app::setLanguage(language);
            Started s([language](ui::Form&) { app::setLanguage(language); });
            app::ChartWindow* c = app::openSmithChart(*s.mainWindow);
            QVERIFY(c && QTest::qWaitForWindowActive(c));
            std::map<QChar, QString> keys;
            for (const QString& caption : chartCaptions(c)) {
                const QChar key = accessKeyOf(caption);
                if (key.isNull())
                    continue;
                const auto [at, fresh] = keys.emplace(key, caption);
                QVERIFY2(fresh, qPrintable(caption + QStringLiteral(" / ") + at->second));
            }
            QCOMPARE(keys.size(), std::size_t{13});
            for (QLabel* l : c->findChildren<QLabel*>())
                if (!accessKeyOf(l->text()).isNull())
                    QVERIFY2(l->buddy(), qPrintable(l->text()));
            QTest::keyClick(c, Qt::Key_S, Qt::AltModifier); // "R&s (ohm):"
            QVERIFY(QApplication::focusWidget());
            QCOMPARE(QApplication::focusWidget()->accessibleName(), QStringLiteral("Rs (ohm)"));
            QTest::keyClick(c, Qt::Key_Z, Qt::AltModifier); // "&Z da:" / "&Z from:"
            QVERIFY(qobject_cast<QComboBox*>(QApplication::focusWidget()));
        }
    }

    void languageFromTheCommandLine() {
        const struct {
            QStringList arguments;
            app::Language language;
            bool complains;
        } cases[] = {
            {{"hamlinecalc"}, app::Language::Italian, false},
            {{"hamlinecalc", "--language", "it"}, app::Language::Italian, false},
            {{"hamlinecalc", "--language", "en"}, app::Language::English, false},
            {{"hamlinecalc", "--language=EN"}, app::Language::English, false},
            {{"hamlinecalc", "--language", "fr"}, app::Language::Italian, true},
            {{"hamlinecalc", "--language=english"}, app::Language::Italian, true},
            {{"hamlinecalc", "--language"}, app::Language::Italian, true},
        };
        for (const auto& c : cases) {
            QString complaint;
            QCOMPARE(app::languageFromArguments(c.arguments, &complaint), c.language);
            QCOMPARE(!complaint.isEmpty(), c.complains);
            QVERIFY(!complaint.contains(QLatin1Char('\n')));
        }
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
