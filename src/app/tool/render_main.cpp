// marovelantis-render: the render, html and pdf commands of marovelantis-tool in a program
// of their own, so that the tool's other commands start without loading Qt. The tool hands
// them here.

#include <iostream>

#include "app/tool/rendercommand.h"

int main(int argc, char** argv) {
    static const char* const kUsage =
        "usage: marovelantis-tool render DESIGN OUT.png [--start YYYY/MM/DD] [--type N] [--width W --height H]\n"
        "       marovelantis-tool html DESIGN OUT.html [--start YYYY/MM/DD] [--type N] [--settings FILE]\n"

        "       marovelantis-tool pdf DESIGN OUT.pdf [--start YYYY/MM/DD] [--type N] [--paper A4|A3|A5|B4|B5]\n"
        "                         [--landscape] [--settings Marovelantis.Env]\n";
    if (auto status = mv::RunRenderCommand(argc, argv, kUsage)) return *status;
    std::cerr << kUsage;
    return 2;
}
