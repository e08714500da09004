#include "fakes/fakefontchange.h"

namespace fakes {

void FakeFontChange::Broadcast() {
    ++count_;
}

}  // namespace fakes
