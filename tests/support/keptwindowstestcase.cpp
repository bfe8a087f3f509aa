#include "support/keptwindowstestcase.h"

#include "app/windowcatalog.h"

void KeptWindowsTestCase::startKeptWindows()
{
    m_kept = std::make_unique<KeptWindows>();
    RegisterWindows(m_kept->services);
}
