# Sourced by the release checks: a Debian 12 computer emulated by qemu, for a host
# whose kernel runs no 32-bit program (built without IA-32 emulation), where neither
# Wine's 32-bit loader nor the installer can start. The emulated computer boots
# Debian's own kernel, which runs them; it is about ten times slower than the host.
# Run as root (it makes a chroot to set the image up).
#
#   vm_run KIND JOB   boots a computer from the disk image of KIND, made once and kept
#                     in /var/tmp, with the host's folder JOB as /job; runs /job/run.sh
#                     as root with its output on the console (JOB/console), then powers
#                     off (JOB/ps lists what runs, every half minute). What the run
#                     changed on the disk is thrown away; what it wrote to /job
#                     stays. Returns run.sh's exit code.
#   KIND              bare: Debian 12 minbase (the bare system of the chroot checks)
#                     dev:  bare with what tools/setup.sh installs, to run the tests
# VM_APT_CACHE (a folder) keeps the packages the computer fetches for the next run;
# VM_TIMEOUT (seconds, default 7200) ends a run that hangs.

vm_root_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
vm_bare_archive=/var/tmp/fresh-check-root.tgz

# The bare Debian 12 the chroot checks start from (the same archive fresh-check makes).
vm_bare_archive() {
  [ -f "$vm_bare_archive" ] && return 0
  command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap >/dev/null
  local mirror fresh
  mirror=$(awk '/^URIs:/{print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
  [ -n "$mirror" ] || mirror=$(awk '/^deb /{print $2; exit}' /etc/apt/sources.list)
  fresh=$(mktemp -d)
  echo "vm: making a bare Debian 12 (once; about 3 minutes)"
  debootstrap --variant=minbase --include=git,ca-certificates bookworm "$fresh" "$mirror" >/dev/null
  tar -C "$fresh" -czf "$vm_bare_archive.$$" . && mv "$vm_bare_archive.$$" "$vm_bare_archive"
  rm -rf --one-file-system "$fresh"
}

# The chroot that sets an image up has the host's /dev mounted in it: its processes end
# first, and it is removed only when nothing is mounted in it, never through a mount.
vm_release_root() {
  local root=$1 p m
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && kill -9 "${p#/proc/}" 2>/dev/null
  done
  sleep 1
  for m in var/cache/apt/archives dev/pts dev proc; do
    umount "$root/$m" 2>/dev/null || umount -l "$root/$m" 2>/dev/null || true
  done
  if grep -q " $root/" /proc/mounts; then
    echo "vm: $root still has mounts; left in place" >&2
  else
    rm -rf --one-file-system "$root"
  fi
}

# vm_prepare_chroot ROOT: the host's /proc and /dev, name service and package sources in ROOT.
vm_prepare_chroot() {
  local root=$1
  mount -t proc proc "$root/proc"
  mount --bind /dev "$root/dev"
  mount --bind /dev/pts "$root/dev/pts"
  cp /etc/resolv.conf "$root/etc/" 2>/dev/null || true
  if [ -d /etc/apt/sources.list.d ]; then
    rm -f "$root/etc/apt/sources.list"
    cp /etc/apt/sources.list.d/*.sources "$root/etc/apt/sources.list.d/" 2>/dev/null || true
  fi
  # Not every host has the one-line list; a missing one is no failure.
  if [ -f /etc/apt/sources.list ]; then cp /etc/apt/sources.list "$root/etc/apt/"; fi
}

# The computer's first process: the console, the network of qemu's user mode, the
# shared folders; then the job, and power off.
vm_write_init() {
  cat >"$1/vm-init.sh" <<'EOF'
#!/bin/bash
export PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 HOME=/root
mount -t proc proc /proc
mountpoint -q /sys || mount -t sysfs sys /sys
mkdir -p /dev/pts /dev/shm
mount -t devpts devpts /dev/pts; mount -t tmpfs tmpfs /dev/shm; mount -t tmpfs tmpfs /run
modprobe virtio_net; modprobe 9pnet_virtio; modprobe 9p
hostname tintwell-vm
ip link set lo up
for _ in $(seq 50); do dev=$(ls /sys/class/net | grep -v '^lo$' | head -n 1); [ -n "$dev" ] && break; sleep 0.2; done
ip link set "$dev" up && ip addr add 10.0.2.15/24 dev "$dev" && ip route add default via 10.0.2.2
echo nameserver 10.0.2.3 >/etc/resolv.conf
share() { mount -t 9p -o trans=virtio,version=9p2000.L,msize=1048576 "$1" "$2" 2>/dev/null; }
mkdir -p /job; share job /job
share aptcache /var/cache/apt/archives || true
echo "vm: up in $(cut -d' ' -f1 /proc/uptime) s: kernel $(uname -r), $(nproc) processors, 32-bit programs: $(/lib/ld-linux.so.2 --version >/dev/null 2>&1 && echo yes || echo 'not yet (no 32-bit C library)')"
# What runs, every half minute, for a job that hangs where nothing else can be seen.
# (A bare system has no ps: its command lines are read from /proc.)
listing() {
  if command -v ps >/dev/null; then ps -eo etimes,pcpu,rss,args --sort=-pcpu; return; fi
  for p in /proc/[0-9]*; do
    cmd=$(tr '\0' ' ' <"$p/cmdline" 2>/dev/null)
    [ -n "$cmd" ] && echo "${p#/proc/} $(awk '{print $3}' "$p/stat" 2>/dev/null) $cmd"
  done
}
(while sleep 30; do listing >/job/ps 2>/dev/null; done) &
if [ -f /job/run.sh ]; then
  # The job's users other than root cannot enter /job; it starts in /tmp.
  (cd /tmp && bash /job/run.sh)
  echo $? >/job/rc
else
  echo "vm: no /job/run.sh"
fi
sync
echo o >/proc/sysrq-trigger
sleep 60
EOF
  chmod 755 "$1/vm-init.sh"
}

# vm_image KIND: the path of KIND's disk image, made when missing.
vm_image() {
  local kind=$1 image=/var/tmp/tintwell-vm-$1.img
  if [ -f "$image" ]; then echo "$image"; return 0; fi
  vm_bare_archive
  local root
  root=$(mktemp -d)
  tar -C "$root" -xzf "$vm_bare_archive"
  chmod 755 "$root"
  vm_prepare_chroot "$root"
  echo "vm: making the $kind disk image (once; a few minutes)" >&2
  local steps='apt-get -qq update && apt-get install -y -qq --no-install-recommends linux-image-amd64 iproute2'
  if [ "$kind" = dev ]; then
    cp "$vm_root_dir/tools/setup.sh" "$root/tmp/"
    steps="$steps && bash /tmp/setup.sh && rm /tmp/setup.sh"
  fi
  if ! chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DEBIAN_FRONTEND=noninteractive \
         bash -c "$steps" >/var/tmp/tintwell-vm-$kind.log 2>&1; then
    tail -n 20 "/var/tmp/tintwell-vm-$kind.log" >&2
    vm_release_root "$root"
    echo "vm: setting the $kind image up failed (whole output: /var/tmp/tintwell-vm-$kind.log)" >&2
    return 1
  fi
  for m in dev/pts dev proc; do umount "$root/$m"; done
  rm -f "$root"/var/cache/apt/archives/*.deb
  vm_write_init "$root"
  # An image with room for what the runs install; only what is written takes disk space.
  if ! mkfs.ext4 -q -F -d "$root" "$image.$$" 24G >/dev/null; then
    rm -f "$image.$$"
    vm_release_root "$root"
    return 1
  fi
  mv "$image.$$" "$image"
  vm_release_root "$root"
  echo "$image"
}

vm_run() {
  local kind=$1 job=$2 image root
  command -v qemu-system-x86_64 >/dev/null || apt-get install -y -qq qemu-system-x86 >/dev/null
  image=$(vm_image "$kind") || return 1
  root=$(mktemp -d)
  # An image made by an older vm.sh gets this one's first process.
  vm_write_init "$root"
  if ! debugfs -R 'cat /vm-init.sh' "$image" 2>/dev/null | cmp -s - "$root/vm-init.sh"; then
    printf 'rm /vm-init.sh\nwrite %s /vm-init.sh\nsif /vm-init.sh mode 0100755\n' "$root/vm-init.sh" |
      debugfs -w -f - "$image" >/dev/null 2>&1
  fi
  # The kernel and its first RAM disk are read from the image's own /boot.
  local kernel initrd
  kernel=$(debugfs -R 'ls -p /boot' "$image" 2>/dev/null | tr / '\n' | grep -m1 '^vmlinuz-')
  initrd=${kernel/vmlinuz/initrd.img}
  debugfs -R "dump /boot/$kernel $root/vmlinuz" "$image" >/dev/null 2>&1
  debugfs -R "dump /boot/$initrd $root/initrd" "$image" >/dev/null 2>&1
  local shares=(-virtfs "local,path=$job,mount_tag=job,security_model=none")
  if [ -n "${VM_APT_CACHE:-}" ]; then
    mkdir -p "$VM_APT_CACHE/partial"
    shares+=(-virtfs "local,path=$VM_APT_CACHE,mount_tag=aptcache,security_model=none")
  fi
  rm -f "$job/rc" "$job/console"
  echo "vm: booting Debian 12 under processor emulation (qemu); the job's output follows"
  # Without SMAP: qemu's emulation reads the stack of a 32-bit program's iret as the
  # kernel would, which SMAP forbids, and the kernel then kills Wine's 32-bit processes.
  timeout "${VM_TIMEOUT:-7200}" qemu-system-x86_64 -m 6G -smp "$(nproc)" -accel tcg,thread=multi -cpu max,smap=off \
    -display none -vga none -monitor none -serial "file:$job/console" -no-reboot \
    -kernel "$root/vmlinuz" -initrd "$root/initrd" \
    -append "root=/dev/vda rw console=ttyS0 init=/vm-init.sh panic=-1 quiet" \
    -drive "file=$image,format=raw,if=virtio,snapshot=on" \
    -netdev user,id=net0 -device virtio-net-pci,netdev=net0 "${shares[@]}" &
  local qemu=$!
  while [ ! -f "$job/console" ] && kill -0 $qemu 2>/dev/null; do sleep 0.2; done
  tail -n +1 --pid=$qemu -f "$job/console" | sed -u -e 's/\r//g' -e '/^\s*$/d'
  wait $qemu || true
  rm -rf "$root"
  [ -f "$job/rc" ] || { echo "vm: the job did not finish (timeout or crash); see $job/console" >&2; return 1; }
  return "$(cat "$job/rc")"
}

# Whether this kernel runs 32-bit x86 programs: a 93-byte one that only exits 0.
vm_kernel_runs_32bit() {
  local probe rc
  probe=$(mktemp)
  /usr/bin/python3 - "$probe" <<'PY'
import struct, sys
code = bytes([0xb8, 1, 0, 0, 0, 0x31, 0xdb, 0xcd, 0x80])  # exit(0) by int 0x80
base, header, entry_size = 0x08048000, 52, 32
size = header + entry_size + len(code)
elf = b"\x7fELF" + bytes([1, 1, 1]) + bytes(9)
elf += struct.pack("<HHIIIIIHHHHHH", 2, 3, 1, base + header + entry_size, header, 0, 0,
                   header, entry_size, 1, 0, 0, 0)
elf += struct.pack("<IIIIIIII", 1, 0, base, base, size, size, 5, 0x1000)
open(sys.argv[1], "wb").write(elf + code)
PY
  chmod 755 "$probe"
  "$probe" 2>/dev/null
  rc=$?
  rm -f "$probe"
  return $rc
}
