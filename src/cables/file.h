// The cable file: the user's cables as text, one block per cable, read strictly.
//
//     hamlinecalc-cables 1
//     # a comment: lines whose first character is '#', and blank lines, are skipped
//     cable My RG-213                    the name: the rest of the line (1 to 64 characters)
//     z0 50                              impedance, ohm (> 0)
//     vf 0.66                            velocity factor (0 < VF <= 1)
//     loss 0 0.215819 0.002889           K0 K1 K2, dB per 100 ft (the catalog's loss model)
//     datasheet m                        optional: the points it was fitted to, per 100 m (m) or 100 ft (ft)
//     point 10 2.0                       MHz and loss, 1 to 12 points after "datasheet"
//     point 100 6.8
//     end
//
//     cable Roof ladder line
//     z0 448.2
//     vf 0.905
//     loss 0 0.0213 0.0005
//     measured 12.5 open roof.s1p        optional: length in metres, far end (open or short), the sweep
//     end
//
// The first line is the version line. Numbers take the dot. Words are separated by one blank; a line
// may end in CR LF. Within a block z0, vf and loss each come once, in any order, and end closes it. A
// name is unique in the file and is none of the catalog's. Anything else (an unknown word, a number that
// is not one or out of range, a missing line, a newer version) refuses the whole file: FileError names
// the file and the line.
#pragma once

#include "cables/cable.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace cables {

inline constexpr int kFileVersion = 1;
inline constexpr const char* kVersionWord = "hamlinecalc-cables";
inline constexpr std::size_t kMaxFileBytes = 16u * 1024u * 1024u;

struct FileError : std::runtime_error {
    FileError(const std::string& what, int l) : std::runtime_error(what), line(l) {}
    int line; // 0 when the fault is not on one line (the file's size, a read error)
};

// The cables of a file's bytes; `fileName` names it in messages.
std::vector<Cable> parseCables(std::string_view bytes, const std::string& fileName);

// The text of a cable file holding `cables`, which parseCables reads back as the same values.
std::string writeCables(const std::vector<Cable>& cables);

} // namespace cables
