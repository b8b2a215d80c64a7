#pragma once

#include "ledgers/FrameState.h"

#include <QString>

// A main frame without a window for the benchmarks: a new ledger in the
// folder with one car, "bench" (CAR0001), as the current car.
class BenchFrame : public CFrameState
{
public:
    explicit BenchFrame(const QString& folder)
    {
        m_database.SetFilePath(folder + "/CAR.mdb");
        m_database.CreateOrOpen();
        m_database.NewCar("bench");
        m_database.SetCurrentCar("CAR0001");
    }
    void SetTitle() override {}
    void RedrawCarPhoto() override {}
    void PostClose() override {}
    int LoadSaveConfig(const QString&, bool) override { return 0; }
};
