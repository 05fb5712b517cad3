// The engine's error object, raised as a pointer by the kuRaise functions, and the one frame
// that catches it. Texts are copied and cut to 119 characters, so a raise may pass a text
// that dies right after the call.
#pragma once

#include <cstdint>

// Copies at most size - 1 characters of src into dst (padding with NUL like strncpy) and
// always terminates dst[size - 1]. size is at least 1 and src is not null.
void safeCpy(char* dst, const char* src, int size);

class kuE {
public:
    enum t : int32_t { generic = 0, bug = 1, notImplemented = 2 };
    static constexpr int textSize = 120;

    kuE();
    kuE(t kind, const char* typeName, const char* message);
    virtual ~kuE() = default;

    // Each raise creates a new kuE on the heap and throws its pointer; the catcher owns it.
    [[noreturn]] static void kuRaise(t kind, const char* typeName, const char* message);
    [[noreturn]] static void kuRaiseBug(const char* message);
    [[noreturn]] static void kuRaiseGeneric(const char* typeName, const char* message);
    [[noreturn]] static void kuRaiseNotImplemented(const char* message);
    // The re-raises leave the caught error untouched and raise a fresh one.
    [[noreturn]] static void reRaise(kuE& caught, t kind, const char* typeName,
                                     const char* message);
    [[noreturn]] static void reRaiseBug(kuE& caught, const char* message);
    [[noreturn]] static void reRaiseGeneric(kuE& caught, const char* typeName, const char* message);
    [[noreturn]] static void reRaiseNotImplemented(kuE& caught, const char* message);

    // Writes one report line of the error to standard output.
    void output();

    t getKind() const { return kind; }
    const char* getMessage() const { return message; }
    const char* getTypeName() const { return typeName; }

private:
    t kind;
    char message[textSize];
    char typeName[textSize];
};

// The application's protected frame: checkedExec runs userExec, reports anything that
// escapes on standard output and returns normally: true when userExec ended by itself, false
// when an error was reported.
class kuCheckedExec {
public:
    kuCheckedExec() = default;
    virtual ~kuCheckedExec() = default;

    virtual void userExec(int argc, char** argv) = 0;
    bool checkedExec(int argc, char** argv);
};
