#include "instrument/dialogs/StepTestDlg.h"

#include "instrument/InstrumentLink.h"
#include "instrument/LinkServices.h"
#include "instrument/StoredList.h"
#include "platform/window/DataExchange.h"
#include "waveform/WaveCollections.h"

namespace {

constexpr int kDefaultPositions = 60;
// The write step goes over raw USB, as every other step: the raw-USB
// generators' link tag.
constexpr const char* kRawUsbGeneratorTag = "USBKRV1000";
constexpr const char* kListCommand = "STL? DEBUG";

CString SelectedText(const CComboBox& list) {
  CString text;
  if (const int at = list.GetCurSel(); at >= 0) list.GetLBText(at, text);
  return text;
}

}  // namespace

BEGIN_MESSAGE_MAP(CTest_Read_Send_ByStep, CDialog)
ON_BN_CLICKED(IDC_LIST_REQUEST, OnListRequest)
ON_BN_CLICKED(IDC_LIST_REQUEST2, OnListRequest)
ON_BN_CLICKED(IDC_STORE_LIST_REPLY, OnStoreListReply)
ON_BN_CLICKED(IDC_READ_LIST_REPLY, OnReadListReply)
ON_BN_CLICKED(IDC_WRITE_PARAMS, OnWriteParams)
ON_BN_CLICKED(IDC_WRITE_DATA, OnWriteDataSelections)
ON_BN_CLICKED(IDC_WRITE_WAVE, OnWriteWave)
ON_BN_CLICKED(IDC_QUERY_PARAMS, OnQueryParams)
ON_BN_CLICKED(IDC_READ_PARAMS, OnReadParams)
ON_BN_CLICKED(IDC_READ_DATA, OnReadData)
END_MESSAGE_MAP()

CTest_Read_Send_ByStep::CTest_Read_Send_ByStep(CWnd* parent) : CDialog(IDD, parent) {}

void CTest_Read_Send_ByStep::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_STORE_POSITIONS, storePositionList);
  DDX_Control(dx, IDC_WAVES, waveList);
  DDX_Control(dx, IDC_READ_POSITIONS, readPositionList);
}

BOOL CTest_Read_Send_ByStep::OnInitDialog() {
  CDialog::OnInitDialog();
  g_StoredWaves = {};
  FillWaveList();
  for (int i = 0; i < kDefaultPositions; ++i) {
    CString position;
    position.Format("M%d", i);
    readPositionList.AddString(position);
    storePositionList.AddString(position);
  }
  readPositionList.SetCurSel(0);
  storePositionList.SetCurSel(0);
  return TRUE;
}

void CTest_Read_Send_ByStep::FillWaveList() {
  for (int i = 0; i < g_WaveArray.GetSize(); ++i) waveList.AddString(g_WaveArray[i].wavename);
  if (waveList.GetCount() > 0) waveList.SetCurSel(0);
}

bool CTest_Read_Send_ByStep::SelectDevice(CInstrumentLink& link) {
  if (g_UsbGeneratorIndex < 0) {
    linkio::ShowMessage("未找到 USB 信号源，请先连接信号源。");
    return false;
  }
  link.SelectUsbDevice(g_UsbGeneratorIndex);
  return true;
}

CString CTest_Read_Send_ByStep::ReadPosition() const { return SelectedText(readPositionList); }
CString CTest_Read_Send_ByStep::StorePosition() const { return SelectedText(storePositionList); }

void CTest_Read_Send_ByStep::OnListRequest() {
  if (!SelectDevice(g_StepTestLink)) return;
  g_StepTestLink.SendUsbCommand(kListCommand);
  linkio::ShowMessage(CString("发送获取列表命令") + kListCommand);
}

namespace {

// One list reply, shown; empty when none came.
CString ReadListReply() {
  CString reply;
  g_StepTestLink.ReadUsbFrame(reply);
  linkio::ShowMessage("接收到的列表返回" + reply);
  return reply;
}

// The list's rows are this reply's alone, and a position is its whole token
// ("STL M50" gives M50).
void ParseListRows(const CString& reply) {
  g_StoredWaves = {};
  CString text = reply;
  text.Trim(' ');
  ParseStoredPairs(WithoutListKeyword(text), false);
}

}  // namespace

void CTest_Read_Send_ByStep::OnStoreListReply() {
  if (const CString reply = ReadListReply(); !reply.IsEmpty()) ParseStoreList(reply);
}

void CTest_Read_Send_ByStep::OnReadListReply() {
  if (const CString reply = ReadListReply(); !reply.IsEmpty()) ParseReadList(reply);
}

void CTest_Read_Send_ByStep::ParseStoreList(const CString& reply) {
  ParseListRows(reply);
  for (const StoredWaveEntry& row : g_StoredWaves)
    if (!row.position.IsEmpty()) storePositionList.AddString(row.position);
  storePositionList.SetCurSel(0);
}

void CTest_Read_Send_ByStep::ParseReadList(const CString& reply) {
  ParseListRows(reply);
  for (const StoredWaveEntry& row : g_StoredWaves)
    if (!row.name.IsEmpty() && row.name != "NULL") readPositionList.AddString(row.position);
  readPositionList.SetCurSel(0);
}

void CTest_Read_Send_ByStep::OnWriteParams() {
  const int index = waveList.GetCurSel();
  if (!SelectDevice(g_StepTestLink)) return;
  g_StepTestLink.WriteWaveParams(StorePosition(), index, SelectedText(waveList));
}

// The data button only reads the two choices; the write step sends the block.
void CTest_Read_Send_ByStep::OnWriteDataSelections() {
  (void)StorePosition();
  (void)waveList.GetCurSel();
}

void CTest_Read_Send_ByStep::OnWriteWave() {
  const int index = waveList.GetCurSel();
  if (!SelectDevice(g_StepTestLink)) return;
  const BOOL written = g_StepTestLink.WriteWaveToGenerator(
      StorePosition(), index, SelectedText(waveList), kRawUsbGeneratorTag);
  linkio::ShowMessage(written ? "命令发送成功！" : "命令发送失败！");
}

void CTest_Read_Send_ByStep::OnQueryParams() {
  const CString position = ReadPosition();
  if (position.IsEmpty()) return;
  CInstrumentLink link;
  if (SelectDevice(link)) link.QueryWaveParams(position);
}

void CTest_Read_Send_ByStep::OnReadParams() {
  const CString position = ReadPosition();
  if (position.IsEmpty()) return;
  CInstrumentLink link;
  link.ReadWaveParams(position);
}

void CTest_Read_Send_ByStep::OnReadData() {
  const CString position = ReadPosition();
  if (position.IsEmpty()) return;
  CInstrumentLink link;
  if (SelectDevice(link)) link.ReadWaveDataRaw(position);
}
