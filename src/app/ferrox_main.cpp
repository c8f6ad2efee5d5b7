#include "app/ferrox_app.h"

int main(int argc, char** argv) {
    ferrox::CFerroxApp app;
    return app.Run(argc, argv);
}
