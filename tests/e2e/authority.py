"""The tests' own certificate authority, made with openssl in the build tree
(<build>/e2e/authority/) on first use, and the server certificates it issues
for the stand-ins of the vendor's web host. The Wine prefix trusts it the way
Windows trusts an authority: its certificate in the root store
(trust_root.exe), so the launcher checks the stand-ins' certificates as it
would a real host's.

Standard library and the openssl command only.
"""
import hashlib
import ssl
from pathlib import Path

from velinst_e2e import WINE, run_bounded, windows_path

OPENSSL = "openssl"


def _openssl(*args):
    run_bounded([OPENSSL, *args], None, 60)


class TestAuthority:
    def __init__(self, folder):
        self.folder = Path(folder)
        self.certificate = self.folder / "authority.pem"
        self.key = self.folder / "authority.key"
        self.der = self.folder / "authority.der"

    def ensure(self):
        """Makes the authority once; later calls find it."""
        if self.der.exists():
            return self
        self.folder.mkdir(parents=True, exist_ok=True)
        _openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-sha256", "-days", "3650",
                 "-subj", "/CN=VelInst Test Authority", "-keyout", self.key,
                 "-out", self.certificate,
                 "-addext", "basicConstraints=critical,CA:TRUE",
                 "-addext", "keyUsage=critical,keyCertSign,cRLSign")
        _openssl("x509", "-in", self.certificate, "-outform", "DER", "-out", self.der)
        return self

    def issue(self, *names):
        """(certificate, key) of a server certificate for the host names,
        issued once per set of names. The certificate file holds the
        authority's certificate after the server's, as servers send them."""
        self.ensure()
        tag = hashlib.sha1(" ".join(names).encode()).hexdigest()[:12]
        chain = self.folder / f"server-{tag}.pem"
        key = self.folder / f"server-{tag}.key"
        if chain.exists() and key.exists():
            return chain, key
        request = self.folder / f"server-{tag}.csr"
        extensions = self.folder / f"server-{tag}.ext"
        extensions.write_text(
            "subjectAltName = " + ", ".join(f"DNS:{name}" for name in names) + "\n"
            "extendedKeyUsage = serverAuth\n"
            "keyUsage = critical, digitalSignature, keyEncipherment\n")
        _openssl("req", "-new", "-newkey", "rsa:2048", "-nodes", "-subj", f"/CN={names[0]}",
                 "-keyout", key, "-out", request)
        certificate = self.folder / f"server-{tag}.crt"
        _openssl("x509", "-req", "-in", request, "-CA", self.certificate, "-CAkey", self.key,
                 "-CAcreateserial", "-days", "30", "-sha256", "-extfile", extensions,
                 "-out", certificate)
        chain.write_bytes(certificate.read_bytes() + self.certificate.read_bytes())
        return chain, key

    def server_context(self, *names):
        """A TLS context that shows the certificate for the names."""
        chain, key = self.issue(*names)
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(chain, key)
        return context

    def trust(self, env, trust_root):
        """Puts the authority into the root store of the prefix that env
        names, with trust_root.exe; trusting it again changes nothing."""
        self.ensure()
        run_bounded([WINE, trust_root, windows_path(self.der)], env, 60)


def authority_of(build):
    return TestAuthority(Path(build) / "e2e" / "authority")
