// Every form of the slab editor saved as a picture, to be looked at.
#include <gtest/gtest.h>

#include "slab_editor_fixture.h"

namespace pave::testing {
namespace {

TEST_F(SlabEditorTest, EveryFormSavedAsAPicture) {
  NewFile();
  SavePng(kind::kSlabEditor, "frmCORVISTA.png");
  gSlabGeneral(1, gen::kNSLAB) = 3;
  gSlabGeneral(1, gen::kNJOINT) = 2;
  gSlabGeneral(1, gen::kNDAMA) = 1;
  gSlabGeneral(1, gen::kNFOUND) = 1;
  gSlabGeneral(1, gen::kNPRINT) = 3;
  for (const char* menu : {"mnuGeneral", "mnuCurling", "mnuSlab", "mnuOptional", "mnuFoundation", "mnuDamage"})
    Trigger(kind::kSlabEditor, menu);
  SavePng(kind::kSlabGeneral, "frmGeneral.png");
  SavePng(kind::kCurling, "frmCurling.png");
  SavePng(kind::kSlabData, "frmSlabData.png");
  SavePng(kind::kOptional, "frmOptional.png");
  SavePng(kind::kSolid, "frmSolid.png");
  SavePng(kind::kSlabDamage, "frmDamage.png");
  Trigger(kind::kSlabData, "mnuXcoordinate");
  SavePng(kind::kSlabChooser, "frmSlabs.png");
  Trigger(kind::kOptional, "mnuDowel");
  SavePng(kind::kDowel, "frmDowel.png");
}

}  // namespace
}  // namespace pave::testing
