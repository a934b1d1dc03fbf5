#include "app/skribano.h"

int main(int argc, char** argv) {
    return SkribanoMain(argc, argv);
}
