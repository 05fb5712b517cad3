// The browser sends no signals: a page is closed by the browser itself.
#include "kuCloseSignals.h"

kuCloseSignals::kuCloseSignals(unsigned) {}

kuCloseSignals::~kuCloseSignals() = default;

bool kuCloseSignals::ending() {
    return false;
}

kuSaveUnderWay::kuSaveUnderWay() = default;

kuSaveUnderWay::~kuSaveUnderWay() = default;
