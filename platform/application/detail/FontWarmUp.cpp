#include "platform/application/detail/FontWarmUp.h"

#include <fontconfig/fontconfig.h>

FontWarmUp::FontWarmUp() : m_reader([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp()
{
    Finish();
}

void FontWarmUp::Finish()
{
    if (m_reader.joinable())
        m_reader.join();
}
