extern "C" __declspec(dllexport) int afxLayerVersion()
{
    return 1;
}
