#include "app/zelk_app.h"
#include "zelk_version.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before the application object exists, so that it works without a display.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0) return std::puts("zelk " ZELK_VERSION) < 0;
    zelk::CZelkApp app(argc, argv);
    return app.Run();
}
