#include "app/zelk_app.h"

int main(int argc, char** argv) {
    zelk::CZelkApp app(argc, argv);
    return app.Run();
}
