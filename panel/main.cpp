#include "panelstartup.h"

int main(int argc, char* argv[])
{
    return runControlPanel(argc, argv);
}
