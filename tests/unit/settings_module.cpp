// Stands in for a plug-in file: the settings tests load a copy of it from a temporary folder and
// hand an address inside it to LoadSettings as the module handle.
extern "C" __attribute__((visibility("default"))) int pellan_unit_module_anchor() { return 1; }
