#include "register/listgeneration.h"

namespace kelvarino {

namespace {
quint64 generation = 0;
}

quint64 ListGeneration()
{
    return generation;
}

quint64 NextListGeneration()
{
    return ++generation;
}

} // namespace kelvarino
