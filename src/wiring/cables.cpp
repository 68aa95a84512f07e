#include "wiring/cables.h"

#include "cables/file.h"
#include "line/line.h"
#include "numeric/checked.h"

namespace wiring {

namespace {

constexpr const char* kFileTitle = "Cable File";

std::vector<line::UserCable> lineCables(const std::vector<cables::Cable>& all) {
    std::vector<line::UserCable> out;
    out.reserve(all.size());
    for (const cables::Cable& c : all)
        out.push_back(c.line);
    return out;
}

// The list anew; a catalog refresh that this starts and that meets an arithmetic fault is stopped as
// the window stops any handler.
void install(ui::Form& f, std::vector<cables::Cable> all) {
    auto& v = f.vars<CableVars>();
    v.all = std::move(all);
    try {
        line::installUserCables(f, lineCables(v.all));
    } catch (const num::ArithFault& e) {
        f.messageBox("Arithmetic Error", e.what());
    }
}

} // namespace

cables::Store cableStore() {
    return cables::Store(cables::dataFolder());
}

void loadUserCables(ui::Form& f) {
    cables::Loaded loaded = cableStore().load();
    f.vars<CableVars>().startProblem.clear();
    if (!loaded.problem.empty())
        f.vars<CableVars>().startProblem =
            loaded.problem +
            " The catalog works without the file's cables; the file is kept as it is, and set aside under "
            "another name when a cable is saved.";
    install(f, std::move(loaded.cables));
}

void showCableFileProblem(ui::Form& f) {
    const std::string problem = f.vars<CableVars>().startProblem;
    if (!problem.empty())
        f.messageBox(kFileTitle, problem);
}

const std::vector<cables::Cable>& userCables(const ui::Form& f) {
    return f.vars<CableVars>().all;
}

bool saveCables(ui::Form& f, const cables::Change& change) {
    const cables::Saved saved = cableStore().save(change, userCables(f));
    if (!saved.ok) {
        f.messageBox(kFileTitle, saved.problem + " Nothing was changed.");
        return false;
    }
    install(f, saved.cables);
    return true;
}

bool importCables(ui::Form& f, const std::string& path) {
    cables::Change change;
    try {
        change.put = cables::readCableFile(path);
    } catch (const cables::FileError& e) {
        f.messageBox(kFileTitle, std::string(e.what()) + " Nothing was imported.");
        return false;
    }
    return saveCables(f, change);
}

bool exportCables(ui::Form& f, const std::string& path) {
    const std::string failed = cables::writeCableFile(path, userCables(f));
    if (!failed.empty()) {
        f.messageBox(kFileTitle, failed);
        return false;
    }
    return true;
}

void showRefusal(ui::Form& f, const cables::Refusal& r) {
    f.messageBox("Cable " + r.field, r.what());
}

} // namespace wiring
