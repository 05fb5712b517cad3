#include "kuExceptions.h"

#include "kuAudio.h"

#include <cstdio>
#include <cstring>

void safeCpy(char* dst, const char* src, int size) {
    std::strncpy(dst, src, size - 1);
    dst[size - 1] = '\0';
}

kuE::kuE() : kind(bug) {
    message[0] = '\0';
    typeName[0] = '\0';
}

kuE::kuE(t kind, const char* typeName, const char* message) : kind(kind) {
    safeCpy(this->typeName, typeName, textSize);
    safeCpy(this->message, message, textSize);
}

void kuE::kuRaise(t kind, const char* typeName, const char* message) {
    throw new kuE(kind, typeName, message);
}

void kuE::kuRaiseBug(const char* message) {
    kuRaise(bug, "", message);
}

void kuE::kuRaiseGeneric(const char* typeName, const char* message) {
    kuRaise(generic, typeName, message);
}

void kuE::kuRaiseNotImplemented(const char* message) {
    kuRaise(notImplemented, "", message);
}

void kuE::reRaise(kuE&, t kind, const char* typeName, const char* message) {
    kuRaise(kind, typeName, message);
}

void kuE::reRaiseBug(kuE&, const char* message) {
    kuRaiseBug(message);
}

void kuE::reRaiseGeneric(kuE&, const char* typeName, const char* message) {
    kuRaiseGeneric(typeName, message);
}

void kuE::reRaiseNotImplemented(kuE&, const char* message) {
    kuRaiseNotImplemented(message);
}

void kuE::output() {
    switch (kind) {
    case generic:
        std::printf("Generic exception of type: %s raised: %s\n", typeName, message);
        break;
    case bug:
        std::printf("Software bug: %s\n", message);
        break;
    case notImplemented:
        std::printf("Feature has not yet been implemented: %s\n", message);
        break;
    default:
        std::printf("Software bug: Undefined exceptiontype in kuE::output!");
        break;
    }
}

bool kuCheckedExec::checkedExec(int argc, char** argv) {
    try {
        userExec(argc, argv);
        return true;
    } catch (kuE* error) {
        std::printf("Caught exception\n");
        error->output();
        delete error; // reported; nothing reads it afterwards
    } catch (const Error& error) {
        std::printf("Caught exception\nAudio error: %s\n", error.getMessage());
    } catch (...) {
        std::printf("Software bug: Unanticipated exception raised in kuCheckedExec!\n");
    }
    return false;
}
