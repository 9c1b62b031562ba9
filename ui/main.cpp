#include "program_lifecycle.h"

int main(int argc, char* argv[])
{
    return quorrel::startProgram(argc, argv);
}
