// The language of the window: Italian, as every start shows it, or English on request. The window model
// and its texts stay Italian; the Qt window shows them through the translation system, and Qt's own texts
// (context menus, dialog buttons) follow with Qt's own translations. Nothing is stored: each start is
// Italian unless the command line asks for English.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace app {

enum class Language { Italian, English };

// The context of the window model's texts (captions, tool tips, accessible names) in the translations.
inline constexpr const char* kWindowContext = "Window";

// "it" or "en" (either case); nothing for any other name.
std::optional<Language> languageNamed(const QString& name);
QString languageCode(Language language);

// The language asked for by the program's arguments ("--language en", "--language=en"). An unknown or
// missing language name gives Italian and a one-line message in *complaint; the other arguments are left
// alone.
Language languageFromArguments(const QStringList& arguments, QString* complaint);

// Installs the translations of the language (ours and Qt's own) in place of the previous ones. Every
// widget is told at once; the callbacks of whenLanguageChanges run before this returns.
void setLanguage(Language language);
Language currentLanguage();

// Runs apply now and again after every change of language, for as long as owner lives: for texts that
// stay on screen across a switch (menus, actions, window titles).
void whenLanguageChanges(QObject* owner, std::function<void()> apply);

// A window model text (Italian) in the current language.
QString windowText(const std::string& italian);

// A text of the menus, dialogs and windows around the form: its Italian source and its translation
// context. Write it as liveText("Context", "Testo"): lupdate reads liveText as it reads
// QCoreApplication::translate (see app.cmake), so the text lands in translations/hamlinecalc_en.ts.
struct LiveText {
    const char* context;
    const char* italian;
    QString shown() const { return QCoreApplication::translate(context, italian); }
};
inline LiveText liveText(const char* context, const char* italian) {
    return {context, italian};
}

// Sets a text property of an object ("text", "title", "toolTip", "windowTitle", "accessibleName",
// "statusTip", "placeholderText") in the current language, and again after every switch.
void keepTranslated(QObject* object, const char* property, LiveText text);

// The "Lingua / Language" menu, put before `before` (at the end when null): one checkable action per
// language, switching the shown texts at once.
QMenu* addLanguageMenu(QMenuBar* bar, QAction* before = nullptr);

} // namespace app
