// The main program: an application that loads the library inside the host stand-in, opens and
// closes two documents, and prints what the host's document manager saw.
#include <afxwin.h>
#include <acdocman.h>
#include <cstdio>

namespace {

// Prints every document notification the host sends, next to the library's own reactor.
class CPrintingReactor : public AcApDocManagerReactor {
public:
  void documentCreated(AcApDocument* pDoc) override { Print(L"created", pDoc->fileName()); }
  void documentToBeDestroyed(AcApDocument* pDoc) override { Print(L"about to be destroyed", pDoc->fileName()); }
  void documentDestroyed(const ACHAR* fileName) override { Print(L"destroyed", fileName); }
  void documentBecameCurrent(AcApDocument* pDoc) override { Print(L"became current", pDoc->fileName()); }

private:
  static void Print(LPCWSTR what, LPCWSTR file) { std::printf("  document %ls: %ls\n", what, file); }
};

class CDemoApp : public CWinApp {
public:
  CDemoApp() : CWinApp(L"QCtl demo") {}
  BOOL InitInstance() override;
  int ExitInstance() override { return m_nExitCode; }

private:
  int m_nExitCode = 1;
};

CDemoApp theApp;

BOOL CDemoApp::InitInstance() {
  AcApDocManager* dm = acDocManagerPtr();
  CPrintingReactor printer;
  dm->addReactor(&printer);
  std::printf("host: %d reactor(s) before loading the library\n", dm->reactorCount() - 1);

  HMODULE hLib = ::LoadLibraryW(L"qctl.dll");
  if (hLib == NULL) {
    std::printf("host: loading qctl.dll failed (error %lu)\n", ::GetLastError());
    dm->removeReactor(&printer);
    return FALSE;
  }
  std::printf("host: qctl.dll loaded, %d reactor(s) registered by the library\n", dm->reactorCount() - 1);

  AcApDocument* pPlan = dm->openDocument(L"C:\\Projects\\plant\\plan.dwg");
  AcApDocument* pSection = dm->openDocument(L"C:\\Projects\\plant\\section.dwg");
  std::printf("host: %d document(s) open\n", dm->documentCount());
  dm->closeDocument(pSection);
  dm->closeDocument(pPlan);
  std::printf("host: %d document(s) open\n", dm->documentCount());

  ::FreeLibrary(hLib);
  int left = dm->reactorCount() - 1;
  std::printf("host: qctl.dll unloaded, %d reactor(s) left\n", left);
  dm->removeReactor(&printer);
  m_nExitCode = left == 0 ? 0 : 1;
  return FALSE;  // nothing interactive yet: no message loop
}

}  // namespace

int main() {
  return AfxWinMain(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_SHOWNORMAL);
}
