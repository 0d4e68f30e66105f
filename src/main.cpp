#include "shell/Startup.h"

int main(int argc, char* argv[])
{
    return RunClient(argc, argv);
}
