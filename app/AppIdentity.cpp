#include "app/AppIdentity.h"

namespace {
AppIdentity& Stored() {
    static AppIdentity identity;
    return identity;
}
}  // namespace

void SetAppIdentity(const AppIdentity& identity) {
    Stored() = identity;
}

const AppIdentity& TheAppIdentity() {
    return Stored();
}

AppIdentity NivoraIdentity() {
    AppIdentity identity;
    identity.productName = "Nivora";
    identity.version = "8.0";
    identity.homePage = "https://www.ostrelin.com/nivora/";
    identity.helpTextFile = "rh10010.txt";
    identity.helpContext = 10010;
    identity.windowClassName = "Nivora Window Class";
    return identity;
}
