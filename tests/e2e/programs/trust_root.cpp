// Makes the prefix trust a test certificate authority the way Windows trusts
// one: its certificate (a DER file) in the current user's root store.
//   trust_root CERT.der
// Exit code 0 when it is in the store (also when it already was).
#include <windows.h>
#include <wincrypt.h>

#include <cstdio>
#include <vector>

int main(int argc, char **argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: trust_root CERT.der\n");
    return 2;
  }
  FILE *file = fopen(argv[1], "rb");
  if (file == nullptr) {
    fprintf(stderr, "trust_root: cannot open %s\n", argv[1]);
    return 1;
  }
  std::vector<BYTE> der(65536);
  const size_t size = fread(der.data(), 1, der.size(), file);
  fclose(file);
  if (!CertAddEncodedCertificateToSystemStoreA("ROOT", der.data(), static_cast<DWORD>(size))) {
    fprintf(stderr, "trust_root: error %lu\n", GetLastError());
    return 1;
  }
  return 0;
}
