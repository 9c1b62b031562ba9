#include "ui/allocation_failure.h"
#include "ui/program_lifecycle.h"

int main(int, char* argv[])
{
    quorrel::keepAllocationFailureReserve();
    return quorrel::startProgram(argv[0]);
}
