// The language of the window: Italian, as every start shows it, or English on request. The window model
// and its texts stay Italian; the Qt window shows them through the translation system, and Qt's own texts
// (context menus, dialog buttons) follow with Qt's own translations. Nothing is stored: each start is
// Italian unless the command line asks for English.
//
// One way to translate: a literal text is written as tr("Testo") in its class (Q_DECLARE_TR_FUNCTIONS
// for a class that is no QObject), and whatever stays on screen across a switch is set again where the
// LanguageChange event arrives: changeEvent() of a widget, event() of a feature object (a child of the
// main window, which passes the event on to its children). The model's own texts go through windowText.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

class QAction;
class QMenu;
class QMenuBar;

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
// window hears of it (the LanguageChange event) before this returns.
void setLanguage(Language language);
Language currentLanguage();

// A window model text (Italian) in the current language. The model's captions, tool tips and names are
// data, not literals: this is the one helper beside tr(), in the context kWindowContext.
QString windowText(const std::string& italian);

// The "Lingua / Language" menu, put before `before` (at the end when null): one checkable action per
// language, switching the shown texts at once.
QMenu* addLanguageMenu(QMenuBar* bar, QAction* before = nullptr);

} // namespace app
