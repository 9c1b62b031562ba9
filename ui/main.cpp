#include "program_lifecycle.h"

int main(int, char* argv[])
{
    return quorrel::startProgram(argv[0]);
}
