// How the terminal switch reads a stored label text (InputLabels,
// OutputLabels) into labels. Line breaks are normalised to CR LF first; a
// comma or a CR closes a label; the piece open at the end is dropped, so
// "a,b,c,d" gives four labels and a trailing comma an empty last one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zavo {

std::vector<std::string> SplitLabels(std::string_view stored);

}  // namespace zavo
