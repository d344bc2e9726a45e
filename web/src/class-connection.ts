// The class this page joined: its address and account (the core keeps them in
// classlink.dat) and the password, held in memory. With "Remember on this
// device" the password is also kept in the page's own storage, in a file of
// ours (classpass.dat), never in localStorage and never in an address; it is
// not among the files "Export my data" hands out.
import type { FileStore } from './storage';

export interface JoinedClass {
  address: string;
  account: string;
  password: string;  // '' when this visit does not know it (not remembered)
  remembered: boolean;
}

export const passwordFileName = 'classpass.dat';

let joined: JoinedClass | null = null;
const listeners = new Set<(joined: JoinedClass | null) => void>();

// The joined class, for the teacher's overview; null when none is.
export function currentClass(): JoinedClass | null {
  return joined ? { ...joined } : null;
}

export function onClassChange(listener: (joined: JoinedClass | null) => void): () => void {
  listeners.add(listener);
  return () => listeners.delete(listener);
}

function changed() {
  for (const l of listeners) l(currentClass());
}

const enc = (text: string) => encodeURIComponent(text);

// CR LF lines "account <name>" and "password <password>", %-encoded; read up to a Ctrl-Z.
export function passwordFileText(account: string, password: string): string {
  return `account ${enc(account)}\r\npassword ${enc(password)}\r\n`;
}

// The password kept for this account; null when none is, or the file is damaged.
export function readPasswordFile(bytes: Uint8Array | undefined, account: string): string | null {
  if (!bytes) return null;
  let text = new TextDecoder().decode(bytes);
  const ctrlZ = text.indexOf('\u001a');
  if (ctrlZ >= 0) text = text.slice(0, ctrlZ);
  const fields = new Map<string, string>();
  for (const line of text.split(/\r?\n/)) {
    const space = line.indexOf(' ');
    if (space <= 0) continue;
    try {
      fields.set(line.slice(0, space), decodeURIComponent(line.slice(space + 1)));
    } catch {
      return null;
    }
  }
  const password = fields.get('password');
  return fields.get('account') === account && password ? password : null;
}

// The following change the page's files: call them inside files.act.

// Joined (or the password typed again): remembered, or forgotten on this device.
export function useClass(files: FileStore, address: string, account: string, password: string, remember: boolean) {
  if (remember) files.replace(passwordFileName, new TextEncoder().encode(passwordFileText(account, password)));
  else files.remove(passwordFileName);
  joined = { address, account, password, remembered: remember };
  changed();
}

// After a start: the core's joined class, with the password kept for it if any.
export function restoreClass(files: FileStore, address: string, account: string): JoinedClass {
  const kept = readPasswordFile(files.read(passwordFileName), account);
  joined = { address, account, password: kept ?? '', remembered: kept !== null };
  changed();
  return { ...joined };
}

// Left the class: address, account and password go from memory and the page's storage.
export function forgetClass(files: FileStore) {
  files.remove(passwordFileName);
  joined = null;
  changed();
}
