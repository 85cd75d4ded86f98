#include "app/configapp.h"

int main(int argc, char** argv) {
    pelorin::ConfigApp app(argc, argv);
    return app.run();
}
