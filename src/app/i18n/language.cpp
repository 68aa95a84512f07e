#include "app/i18n/language.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>

#include <memory>
#include <vector>

namespace app {

namespace {

// The language menu: its check follows the language shown, however it was switched.
class LanguageMenu : public QMenu {
  public:
    using QMenu::QMenu;
    QActionGroup* group = nullptr;

  protected:
    void changeEvent(QEvent* event) override {
        QMenu::changeEvent(event);
        if (event->type() == QEvent::LanguageChange)
            check();
    }

  public:
    void check() {
        for (QAction* a : group->actions())
            a->setChecked(a->data().toString() == languageCode(currentLanguage()));
    }
};

struct State {
    Language language = Language::Italian;
    std::vector<std::unique_ptr<QTranslator>> installed;
};

State& state() {
    static State s;
    return s;
}

// Our English texts: the window's (kept by hand beside the model) and the menus' and dialogs'.
const char* const kOwnTranslations[] = {":/i18n/window_en.qm", ":/i18n/hamlinecalc_en.qm"};

} // namespace

std::optional<Language> languageNamed(const QString& name) {
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("it"))
        return Language::Italian;
    if (n == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

QString languageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("it");
}

Language languageFromArguments(const QStringList& arguments, QString* complaint) {
    const QString option = QStringLiteral("--language");
    std::optional<QString> asked;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == option)
            asked = i + 1 < arguments.size() ? arguments[++i] : QString();
        else if (a.startsWith(option + QLatin1Char('=')))
            asked = a.mid(option.size() + 1);
    }
    if (!asked)
        return Language::Italian;
    if (const auto language = languageNamed(*asked))
        return *language;
    if (complaint)
        *complaint = QStringLiteral("hamlinecalc: unknown language \"%1\" for --language (it, en); "
                                    "the window stays Italian")
                         .arg(*asked);
    return Language::Italian;
}

void setLanguage(Language language) {
    State& s = state();
    for (const auto& t : s.installed)
        QCoreApplication::removeTranslator(t.get());
    s.installed.clear();
    s.language = language;

    auto install = [&s](const QString& file, const QString& folder = QString()) {
        auto t = std::make_unique<QTranslator>();
        if (t->load(file, folder) && QCoreApplication::installTranslator(t.get()))
            s.installed.push_back(std::move(t));
    };
    if (language == Language::English) {
        for (const char* file : kOwnTranslations)
            install(QString::fromLatin1(file));
    } else {
        // The window's own texts are Italian already; Qt's dialogs and context menus are not.
        install(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    // The widgets hear of it now, not at the next turn of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

Language currentLanguage() {
    return state().language;
}

QString windowText(const std::string& italian) {
    if (italian.empty())
        return QString();
    return QCoreApplication::translate(kWindowContext, italian.c_str());
}

QMenu* addLanguageMenu(QMenuBar* bar, QAction* before) {
    // The same title in both languages, so that whoever cannot read the one shown still finds it.
    auto* menu = new LanguageMenu(QStringLiteral("Lin&gua / Language"), bar);
    bar->insertMenu(before, menu);
    auto* group = new QActionGroup(menu);
    menu->group = group;
    const struct {
        Language language;
        const char* name;
    } choices[] = {{Language::Italian, "&Italiano"}, {Language::English, "&English"}};
    for (const auto& choice : choices) {
        QAction* a = menu->addAction(QString::fromUtf8(choice.name));
        a->setCheckable(true);
        a->setData(languageCode(choice.language));
        group->addAction(a);
        const Language language = choice.language;
        QObject::connect(a, &QAction::triggered, menu, [language] {
            if (language != currentLanguage())
                setLanguage(language);
        });
    }
    menu->check();
    return menu;
}

} // namespace app
