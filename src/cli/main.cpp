#include "command_line.h"

int main(int argc, char* argv[]) {
    tabrel::CommandLine command_line;
    return command_line.run(argc, argv);
}
