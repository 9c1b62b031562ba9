#include "ui/allocation_failure.h"
#include "ui/program_lifecycle.h"

int main(int argc, char* argv[])
{
    quorrel::keepAllocationFailureReserve();
    return quorrel::startProgram(argc, argv);
}
