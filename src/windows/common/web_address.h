#pragma once

namespace radixon {

// The program's web page: the About window's link, and the farewell message names it.
inline constexpr char webAddress[] = "https://radixon.example.org";

} // namespace radixon
