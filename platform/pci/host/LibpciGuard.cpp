#include "LibpciGuard.h"

#include <cstdlib>

extern "C" {
#include <pci/pci.h>
}

thread_local std::jmp_buf* LibpciGuard::sLanding = nullptr;

void LibpciGuard::InstallHooks(pci_access* access)
{
    access->error = OnFatalError;
    access->warning = Ignore;
    access->debug = Ignore;
}

void LibpciGuard::OnFatalError(char*, ...)
{
    // Only a call made outside Run has nowhere to come back to.
    if (sLanding == nullptr)
        std::abort();
    std::longjmp(*sLanding, 1);
}

void LibpciGuard::Ignore(char*, ...) {}
