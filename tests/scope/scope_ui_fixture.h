#pragma once
// A response display laid out as the Music page lays it out: limits HPF 19-303 Hz, LPF
// 5990-20600 Hz, PEQ 19.7-20600 Hz, control ID 2245, 15 PEQ bands, inside a recording owner.

#include <gtest/gtest.h>

#include <QPoint>
#include <vector>

#include "controls/ckel_scope.h"
#include "scope_input.h"
#include "tests/ui/ui_test_support.h"

namespace velto::test {

inline constexpr int kScopeId = 2245;

class ScopeUiTest : public testing::Test {
  protected:
    ScopeUiTest() : scope(&owner) {
        owner.resize(1100, 700);
        ScopeLimits limits;
        limits.hpfMax = 303;
        limits.lpfMin = 5990;
        scope.SetFrequencyLimits(limits);
        scope.SetControlId(kScopeId);
        scope.setGeometry(10, 10, 1000, 400);
        scope.InitBands(15);
        scope.show();
    }

    const ResponseModel& Model() const { return scope.Model(); }
    const IntRect& Plot() const { return Model().Geometry().Plot(); }
    QPoint Marker(int b) const { return {MarkerX(Model(), b), MarkerY(Model(), b)}; }
    // Press and release on a marker: selects the band without moving it.
    void Click(QPoint at) {
        Press(&scope, at);
        Release(&scope, at);
    }
    std::vector<Received> Notices() const {
        std::vector<Received> out;
        for (const Received& m : owner.messages) {
            if (m.message == kScopeId) out.push_back(m);
        }
        return out;
    }

    QApplication& app = App();  // before any widget
    RecordingOwner owner;
    CKel_Scope scope;
};

}  // namespace velto::test
