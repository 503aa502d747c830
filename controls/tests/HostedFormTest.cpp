// The controls hosted in a dialog template, bound by data exchange as the
// editor's forms bind them.
#include "ControlsTestSupport.h"

#include "controls/CSgGraph.h"
#include "controls/CSgNumEdit.h"
#include "platform/window/DataExchange.h"
#include "platform/window/Dialog.h"
#include "platform/window/Resources.h"

#include <gtest/gtest.h>

using namespace SG;

namespace {

class HostedForm : public CDialog {
 public:
  HostedForm() : CDialog(4100) {}
  void DoDataExchange(CDataExchange* dx) override {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, 1023, m_graph);
    DDX_Control(dx, 1024, m_toolGraph);
    DDX_Control(dx, 1200, m_edit);
    DDX_Control(dx, 1300, m_button);
  }
  CSgGraph m_graph{2};
  CSgGraph m_toolGraph{2};
  CSgNumEdit m_edit{2};
  CSgButton m_button{2};
};

TEST(HostedForm, TemplateControlsAttachThroughDataExchange) {
  std::string error;
  ASSERT_TRUE(resources::Load(HOSTED_FORM_RESOURCES, &error)) << error;
  RegisterStandardControls();
  HostedForm form;
  ASSERT_TRUE(form.Create(4100));
  ASSERT_TRUE(form.UpdateData(FALSE));
  EXPECT_TRUE(form.m_graph.IsAttached());
  EXPECT_TRUE(form.m_edit.IsAttached());
  EXPECT_TRUE(form.m_button.IsAttached());
  EXPECT_EQ(form.m_graph.GetPlots().GetCount(), 3);
  EXPECT_EQ(form.m_graph.GetCursors().Item(3).GetName(), CString("Cursor2"));
  EXPECT_EQ(form.m_graph.GetAxes().Item("XAxis").GetValuePairs().GetCount(), 11);
  // A graph whose template says nothing: one plot and the two axes.
  EXPECT_EQ(form.m_toolGraph.GetPlots().GetCount(), 1);
  EXPECT_EQ(form.m_toolGraph.GetPlots().Item(1).GetName(), CString("Plot-1"));
  EXPECT_EQ(form.m_toolGraph.GetAxes().Item(2).GetName(), CString("YAxis"));
  EXPECT_EQ(form.m_toolGraph.GetCursors().GetCount(), 0);
  form.m_edit.SetValue(1.25);
  EXPECT_EQ(form.m_edit.GetValue(), 1.25);
  EXPECT_EQ(form.m_edit.GetText(), CString("1.250"));  // the template's format
  form.m_button.SetColor(CSgColor(1, 2, 3));
  EXPECT_EQ(form.m_button.GetColor(), CSgColor(1, 2, 3));
  form.DestroyWindow();
  EXPECT_FALSE(form.m_graph.IsAttached());  // detached at WM_DESTROY
  // The framework lets go of the windows too, so the same objects bind the
  // controls of the next run, as a dialog kept between runs does.
  EXPECT_EQ(form.m_graph.m_hWnd, nullptr);
  EXPECT_EQ(form.m_edit.m_hWnd, nullptr);
  ASSERT_TRUE(form.Create(4100));
  ASSERT_TRUE(form.UpdateData(FALSE));
  EXPECT_TRUE(form.m_graph.IsAttached());
  EXPECT_EQ(form.m_graph.GetPlots().GetCount(), 3);
  form.DestroyWindow();
}

}  // namespace
