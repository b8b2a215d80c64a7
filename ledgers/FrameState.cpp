#include "ledgers/FrameState.h"

namespace {
CFrameState* g_frame = nullptr;
}

CFrameState::CFrameState()
{
    g_frame = this;
}

CFrameState::~CFrameState()
{
    if (g_frame == this)
        g_frame = nullptr;
}

CFrameState* CFrameState::instance()
{
    return g_frame;
}

CMyDatabase* CFrameState::OpenDatabase()
{
    return g_frame && g_frame->m_database.IsOpen() ? &g_frame->m_database : nullptr;
}
