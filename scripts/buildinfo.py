#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Prints the Debian packages that a build used, as Debian's .buildinfo files
# list them in Installed-Build-Depends: the packages named, every essential
# package, and all that they depend on, as installed here, each with its
# exact version, in order of name:
#   buildinfo.py PACKAGE...
# Of a dependency with alternatives, the first installed (or provided by
# what is installed) is the one used, as dpkg-genbuildinfo takes it.
import subprocess
import sys

FIELDS = ['Package', 'Version', 'Essential', 'Pre-Depends', 'Depends', 'Provides', 'db:Status-Abbrev']
rows = subprocess.run(['dpkg-query', '-W', '-f', '\t'.join('${%s}' % f for f in FIELDS) + '\n'],
                      capture_output=True, text=True, check=True).stdout.splitlines()
installed = {}  # name: (version, dependencies)
providers = {}  # a name, real or virtual: the installed packages that give it
for row in rows:
    name, version, essential, pre_depends, depends, provides, status = row.split('\t')
    if not status.startswith('ii'):
        continue
    installed[name] = (version, ', '.join(d for d in (pre_depends, depends) if d), essential == 'yes')
    for given in [name] + [p.split()[0] for p in provides.split(',') if p.strip()]:
        providers.setdefault(given, []).append(name)


def chosen(alternatives):
    """The installed package that satisfies one dependency, or None."""
    for alternative in alternatives.split('|'):
        name = alternative.split()[0].split(':')[0]  # without its version or :any
        if name in providers:
            return sorted(providers[name])[0]
    return None


wanted = [name for name in sys.argv[1:]] + [name for name, (_, _, essential) in installed.items() if essential]
missing = [name for name in sys.argv[1:] if name not in installed]
if missing:
    sys.exit('buildinfo.py: not installed: ' + ' '.join(missing))
used = set()
while wanted:
    name = wanted.pop()
    if name in used:
        continue
    used.add(name)
    for dependency in installed[name][1].split(','):
        if dependency.strip() and (package := chosen(dependency)):
            wanted.append(package)
print(',\n'.join(' %s (= %s)' % (name, installed[name][0]) for name in sorted(used)))
