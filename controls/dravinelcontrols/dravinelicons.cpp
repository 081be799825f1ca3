#include "dravinelcontrols/dravinelicons.h"

namespace
{

// clang-format off
// A receiver housing: display with a spectrum, knobs, LEDs and vents.
const char* const s_apszDevice[] = {
    "16 16 19 1",
    "  c None",
    ". c #000000",
    "# c #404040",
    "+ c #808080",
    "@ c #A0A0A0",
    "$ c #C0C0C0",
    "% c #E0E0E0",
    "& c #FFFFFF",
    "* c #002060",
    "= c #2080C0",
    "- c #60D0F0",
    "; c #00C000",
    "> c #FF0000",
    ", c #FFC000",
    "< c #303030",
    "1 c #606060",
    "2 c #909090",
    "3 c #707070",
    "4 c #505050",
    "                ",
    "                ",
    "................",
    ".&%%%%%%%%%%%%$.",
    ".%#########$$$+.",
    ".%#***=***#$12+.",
    ".%#***-***#$<1+.",
    ".%#**-=-**#$$$+.",
    ".%#-=-*-=-#$12+.",
    ".%#=======#$<1+.",
    ".%#########$$$+.",
    ".%$;$>$,$$3333+.",
    ".%@@@@@@@@@@@@+.",
    ".++++++++++++++.",
    "................",
    " 44          44 "
};

// The header, colours and upper rows of the two document pictures: a white sheet whose top
// right corner is folded over.
#define DRAVINEL_SHEET_TOP \
    "16 16 3 1", "  c None", ". c #000000", "# c #FFFFFF", \
    "                ", \
    "  .........     ", \
    "  .#######..    ", \
    "  .#######.#.   ", \
    "  .#######.##.  ", \
    "  .#######..... ", \
    "  .###########. ",

// A sheet with a folded corner and lines of text.
const char* const s_apszControlSet[] = {
    DRAVINEL_SHEET_TOP
    "  .#.......###. ",
    "  .###########. ",
    "  .#.........#. ",
    "  .###########. ",
    "  .#........##. ",
    "  .###########. ",
    "  .###########. ",
    "  ............. ",
    "                "
};

// A sheet with a folded corner and a list of tasks.
const char* const s_apszJobDocument[] = {
    DRAVINEL_SHEET_TOP
    "  .#..#.....##. ",
    "  .#..########. ",
    "  .###########. ",
    "  .#..#.....##. ",
    "  .#..########. ",
    "  .###########. ",
    "  .###########. ",
    "  ............. ",
    "                "
};

// Fixed frequency mode: one carrier over the frequency axis.
const char* const s_apszFfmButton[] = {
    "15 16 2 1",
    "  c None",
    ". c #000000",
    "               ",
    "       .       ",
    "      ...      ",
    "     . . .     ",
    "       .       ",
    "       .       ",
    "       .       ",
    "       .       ",
    "       .       ",
    "       .       ",
    "       .       ",
    "       .       ",
    "       .       ",
    "  .    .    .  ",
    "...............",
    "               "
};

// Search: a magnifying glass.
const char* const s_apszSearchButton[] = {
    "16 16 2 1",
    "  c None",
    ". c #000000",
    "                ",
    "    ....        ",
    "  ..    ..      ",
    "  .      .      ",
    " .        .     ",
    " .        .     ",
    " .        .     ",
    " .        .     ",
    "  .      .      ",
    "  ..    ...     ",
    "    .... ...    ",
    "          ...   ",
    "           ...  ",
    "            ... ",
    "             .. ",
    "                "
};

// Scan: carriers swept by an arrow.
const char* const s_apszScanButton[] = {
    "16 16 2 1",
    "  c None",
    ". c #000000",
    "                ",
    "           .    ",
    "           ...  ",
    " ...............",
    "           ...  ",
    "           .    ",
    "                ",
    "     .          ",
    "     .     .    ",
    "  .  .     .    ",
    "  .  .  .  .  . ",
    "  .  .  .  .  . ",
    "  .  .  .  .  . ",
    "................",
    "                ",
    "                "
};

// Fixed frequency mode, large.
const char* const s_apszFfmButtonLarge[] = {
    "18 18 2 1",
    "  c None",
    ". c #000000",
    "                  ",
    "        ..        ",
    "       ....       ",
    "      . .. .      ",
    "        ..        ",
    "        ..        ",
    "        ..        ",
    "        ..        ",
    "        ..        ",
    "        ..        ",
    "        ..        ",
    "        ..        ",
    "        ..        ",
    "        ..        ",
    "        ..        ",
    "  .     ..     .  ",
    "..................",
    "                  "
};

// Search, large.
const char* const s_apszSearchButtonLarge[] = {
    "18 18 2 1",
    "  c None",
    ". c #000000",
    "                  ",
    "     .....        ",
    "   ..     ..      ",
    "  .         .     ",
    "  .         .     ",
    " .           .    ",
    " .           .    ",
    " .           .    ",
    " .           .    ",
    " .           .    ",
    "  .         .     ",
    "  .         .     ",
    "   ..     ....    ",
    "     ..... ....   ",
    "            ....  ",
    "             .... ",
    "              ... ",
    "                  "
};

// Scan, large.
const char* const s_apszScanButtonLarge[] = {
    "18 18 2 1",
    "  c None",
    ". c #000000",
    "                  ",
    "                  ",
    "            .     ",
    "            ...   ",
    " ................ ",
    "            ...   ",
    "            .     ",
    "                  ",
    "                  ",
    "      .           ",
    "      .      .    ",
    "   .  .      .    ",
    "   .  .   .  .    ",
    "   .  .   .  .  . ",
    "   .  .   .  .  . ",
    "   .  .   .  .  . ",
    "..................",
    "                  "
};

// Connect: a plug in its socket, the link lamp lit.
const char* const s_apszConnect[] = {
    "18 18 14 1",
    "  c None",
    ". c #000000",
    "# c #404040",
    "+ c #808080",
    "$ c #C0C0C0",
    "% c #FFFFFF",
    "b c #0040A0",
    "B c #4080E0",
    "y c #C09000",
    "Y c #FFE040",
    "g c #008000",
    "G c #40C040",
    "L c #A0F0A0",
    "n c #202020",
    "                  ",
    "             gG   ",
    "            gLGg  ",
    "           ...... ",
    "    .....  .%$$+. ",
    "    .%$+.  .%$$+. ",
    "    .%$+.  .%$$+. ",
    "    .%$+.yYn%$$+. ",
    "BBBB.%$+.  .%$$+.B",
    "bbbb.%$+.  .%$$+.b",
    "    .%$+.yYn%$$+. ",
    "    .%$+.  .%$$+. ",
    "    .....  .%$$+. ",
    "           .####. ",
    "           ...... ",
    "                  ",
    "                  ",
    "                  "
};

// Disconnect: plug and socket apart, a red cross between them.
const char* const s_apszDisconnect[] = {
    "18 18 8 1",
    "  c None",
    ". c #000000",
    "+ c #808080",
    "$ c #C0C0C0",
    "y c #C09000",
    "B c #4080E0",
    "r c #FF0000",
    "R c #A00000",
    "                  ",
    "      rR   Rr     ",
    "       rR Rr      ",
    "        rRr       ",
    "       rR Rr      ",
    "      rR   Rr     ",
    "                  ",
    "   ....     ..... ",
    "   .$+.     .$$+. ",
    "   .$+.yy   .$$+. ",
    "BBB.$+.     .$$+.B",
    "BBB.$+.     .$$+.B",
    "   .$+.yy   .$$+. ",
    "   .$+.     .$$+. ",
    "   ....     ..... ",
    "                  ",
    "                  ",
    "                  "
};

// Upload: an arrow rising from a tray.
const char* const s_apszUpload[] = {
    "16 16 2 1",
    "  c None",
    ". c #000000",
    "                ",
    "       ..       ",
    "      ....      ",
    "     ......     ",
    "    ........    ",
    "   ..........   ",
    "      ....      ",
    "      ....      ",
    "      ....      ",
    "      ....      ",
    "      ....      ",
    "                ",
    " ..          .. ",
    " .............. ",
    " .............. ",
    "                "
};

// Download: an arrow coming down into a tray.
const char* const s_apszDownload[] = {
    "16 16 2 1",
    "  c None",
    ". c #000000",
    "                ",
    "      ....      ",
    "      ....      ",
    "      ....      ",
    "      ....      ",
    "      ....      ",
    "   ..........   ",
    "    ........    ",
    "     ......     ",
    "      ....      ",
    "       ..       ",
    "                ",
    " ..          .. ",
    " .............. ",
    " .............. ",
    "                "
};
#undef DRAVINEL_SHEET_TOP
// clang-format on

} // namespace

namespace DravinelIcons
{

const char* const* Device()
{
    return s_apszDevice;
}

const char* const* ControlSet()
{
    return s_apszControlSet;
}

const char* const* JobDocument()
{
    return s_apszJobDocument;
}

const char* const* FfmButton()
{
    return s_apszFfmButton;
}

const char* const* SearchButton()
{
    return s_apszSearchButton;
}

const char* const* ScanButton()
{
    return s_apszScanButton;
}

const char* const* FfmButtonLarge()
{
    return s_apszFfmButtonLarge;
}

const char* const* SearchButtonLarge()
{
    return s_apszSearchButtonLarge;
}

const char* const* ScanButtonLarge()
{
    return s_apszScanButtonLarge;
}

const char* const* Connect()
{
    return s_apszConnect;
}

const char* const* Disconnect()
{
    return s_apszDisconnect;
}

const char* const* Upload()
{
    return s_apszUpload;
}

const char* const* Download()
{
    return s_apszDownload;
}

} // namespace DravinelIcons
