#ifndef PCIZ_PCI_LIBPCI_GUARD_H
#define PCIZ_PCI_LIBPCI_GUARD_H

#include <csetjmp>

struct pci_access;

// libpci reports a fatal error through a hook that must not return, and its own hook ends the
// process. Ours jumps back to the guarded call instead. An exception could not take that way:
// it would have to unwind libpci's C frames.
class LibpciGuard {
public:
    // Points access's error, warning and debug hooks at ours. Warnings and debug output are
    // dropped: the program reports nothing.
    static void InstallHooks(pci_access* access);

    // Runs call, which calls into libpci; false if libpci gave up with a fatal error. The jump
    // back skips destructors, so call must create no object that has one.
    template <typename Call>
    static bool Run(const Call& call);

private:
    // The attribute, not [[noreturn]]: libpci's hook type carries it, and clang matches types.
    __attribute__((noreturn)) static void OnFatalError(char* message, ...);
    static void Ignore(char* message, ...);

    static thread_local std::jmp_buf* sLanding;
};

template <typename Call>
bool LibpciGuard::Run(const Call& call)
{
    std::jmp_buf landing;
    std::jmp_buf* const outer = sLanding;
    sLanding = &landing;
    if (setjmp(landing) != 0) {
        sLanding = outer;
        return false;
    }
    call();
    sLanding = outer;
    return true;
}

#endif
