// The page's side of the core's assignments: the values web/core/AssignBinding.cpp hands over.
import type { NativeObject } from './core-native';

// As assignments.txt holds one: dates yyyy-mm-dd; goal 0 drills, 1 minutes, 2 first-try.
export interface AssignmentValue {
  title: string;
  instructions: string[];
  cardinality: number;  // 3 or 4
  allClasses: boolean;
  classes: string[];  // "3-11"
  range: number;
  playMode: number;
  goal: number;
  count: number;
  right: number;
  percent: number;
  start: string;
  due: string;
}

// English, as the command prints them: "done", "2 of 3 drills".
export interface AssignmentProgressValue {
  status: string;
  progress: string;
  done: number;
  goal: number;
  open: boolean;  // started, not due yet, not done
}

// A cell of the overview's assignments: the status in English, the numbers, and the key the desktop's table sorts it by.
export interface AssignmentCellValue {
  status: string;
  done: number;
  goal: number;
  key: number;
}

// The overview's assignments, as the desktop's window has them: a cell per row of overview() and column, null when empty.
export interface AssignmentColumnsValue {
  assignments: AssignmentValue[];
  cells: (AssignmentCellValue | null)[][];
}

// Why an edited assignment may not be saved (English) and the field to go to; field '' when it may.
export interface AssignmentCheck {
  field: '' | 'title' | 'classes' | 'start' | 'due' | 'goal';
  why: string;
}

export interface AssignmentsAnswer {
  outcome: 'done' | 'changed' | 'notTeacher' | 'notWritten' | 'failed';
  message: string;  // English, '' when nothing is to be said
  assignments: AssignmentValue[];  // the file as it is now
  warnings: { line: number; why: string }[];
}

export interface OwnAssignments {
  progress: AssignmentProgressValue[];
  due: { count: number; items: { title: string; due: string }[] };
  today: string;
}

export interface WebAssignmentsNative extends NativeObject {
  classes(cardinality: number): { name: string; label: string }[];
  // The address's fault at once (English), '' when it reads.
  read(address: string, account: string, password: string, done: (answer: AssignmentsAnswer) => void): string;
  write(assignments: AssignmentValue[], done: (answer: AssignmentsAnswer) => void): void;
  // Why it may not be saved, as both editors say it.
  check(assignment: AssignmentValue): AssignmentCheck;
  own(person: string): OwnAssignments;
  // The overview's next read judges each folder; classDone keeps it when the read ended well.
  beginClass(): void;
  classDone(read: boolean): void;
}
